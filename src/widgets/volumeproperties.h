#pragma once

#include "volumemonitor.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace tarnwick {

// A volume's kind, file system, capacity, used and free space. The space is
// asked for without holding up the window and filled in when it answers.
class VolumePropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit VolumePropertiesDialog(const DriveVolume &volume, QWidget *parent = nullptr);

    void showUsage(const VolumeUsage &usage);

private:
    QLabel *fileSystem_;
    QLabel *capacity_;
    QLabel *used_;
    QLabel *free_;
    QProgressBar *bar_;
};

} // namespace tarnwick
