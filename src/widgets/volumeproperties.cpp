#include "volumeproperties.h"

#include "foldermodel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QVBoxLayout>

namespace tarnwick {
namespace {

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

VolumePropertiesDialog::VolumePropertiesDialog(const DriveVolume &volume, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("%1 Properties").arg(volume.name));
    auto *form = new QFormLayout;
    form->addRow(tr("Name:"), plainLabel(volume.name, this));
    form->addRow(tr("Type:"), plainLabel(volume.kind, this));
    if (volume.isMounted())
        form->addRow(tr("Mounted at:"), plainLabel(volume.mountPath, this));
    const QString waiting = volume.isMounted() ? tr("Finding out...") : tr("Not mounted");
    fileSystem_ = plainLabel(waiting, this);
    capacity_ = plainLabel(waiting, this);
    used_ = plainLabel(waiting, this);
    free_ = plainLabel(waiting, this);
    fileSystem_->setObjectName(QStringLiteral("fileSystem"));
    capacity_->setObjectName(QStringLiteral("capacity"));
    used_->setObjectName(QStringLiteral("used"));
    free_->setObjectName(QStringLiteral("free"));
    form->addRow(tr("File system:"), fileSystem_);
    form->addRow(tr("Capacity:"), capacity_);
    form->addRow(tr("Used space:"), used_);
    form->addRow(tr("Free space:"), free_);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    bar_->setRange(0, 1000);
    bar_->setValue(0);
    bar_->setAccessibleName(tr("Used space"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
    if (volume.isMounted())
        queryVolumeUsage(volume.mountPath, this,
                         [this](const VolumeUsage &usage) { showUsage(usage); });
}

void VolumePropertiesDialog::showUsage(const VolumeUsage &usage)
{
    const auto size = [](qint64 bytes) {
        return bytes < 0 ? tr("Unknown")
                         : tr("%1 (%2 bytes)")
                               .arg(FolderModel::sizeText(bytes), QLocale().toString(bytes));
    };
    fileSystem_->setText(usage.fileSystem.isEmpty() ? tr("Unknown") : usage.fileSystem);
    capacity_->setText(size(usage.size));
    used_->setText(size(usage.used));
    free_->setText(size(usage.free));
    bar_->setValue(usage.size > 0 && usage.used >= 0
                       ? int(std::min<qint64>(1000, usage.used * 1000 / usage.size))
                       : 0);
}

} // namespace tarnwick
