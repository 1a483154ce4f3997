#pragma once

#include "formobject.h"
#include "twips.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace tarnwick {

class Launcher;
class Registry;
class UserMessages;

// The About window: a fixed dialog that reports mouse moves over its own
// surface (not over its controls) so the link can turn back to black.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

signals:
    void surfaceMouseMove();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// What the About box talks to outside itself; tests substitute these.
struct AboutServices
{
    AboutServices(UserMessages *messages = nullptr, Launcher *launcher = nullptr,
                  const Registry *registry = nullptr, QString homePage = {})
        : messages(messages), launcher(launcher), registry(registry), homePage(std::move(homePage))
    {
    }
    UserMessages *messages;
    Launcher *launcher;
    const Registry *registry; // the machine's when null
    QString homePage;         // the built-in address when empty
};

// The About box: name, version, a link to the home page, and a button that
// starts the desktop's system-information tool. Loaded afresh each showing.
class frmAbout : public FormObject
{
    Q_OBJECT
public:
    static constexpr const char *Name = "frmAbout";
    static constexpr float DesignScaleWidth = 6135;
    static constexpr float DesignScaleHeight = 3555;
    // The link's colours: over it, and once the mouse is back on the box.
    static constexpr QRgb LinkHover = 0x0000ff;
    static constexpr QRgb LinkRest = 0x000000;

    using Services = AboutServices;

    explicit frmAbout(Services services = {});
    ~frmAbout() override;

    AboutWindow *dialog() const;
    const TwipsScale &scale() const { return scale_; }

    // The address the link shows and opens.
    QString homePage() const;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    void txtHomePage_MouseMove();
    void txtHomePage_MouseUp();
    void Form_MouseMove();

    Control<QLabel> lblTitle;
    Control<QLabel> lblVersion;
    Control<QLabel> txtHomePage;
    Control<QLabel> Image1;
    Control<QLabel> Label1;
    Control<QLabel> Label2;
    Control<QPushButton> cmdOK;
    Control<QPushButton> cmdSysInfo;

protected:
    QWidget *build() override;
    void Form_Load() override;
    void released() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setLinkColour(QRgb colour);

    Services services_;
    TwipsScale scale_;
};

// The program's own icon, at any size.
QIcon applicationIcon();

} // namespace tarnwick
