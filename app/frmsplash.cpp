#include "app/frmsplash.h"
#include "ui_frmsplash.h"

#include "app/application.h"
#include "app/frmmenu.h"

frmSplash::frmSplash(QWidget* parent)
    : Form(parent)
    , ui(std::make_unique<Ui::frmSplash>())
{
    ui->setupUi(this);
    // No title bar, no frame controls, no taskbar entry, no resizing.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(size());
    // With no controls of its own, the window takes the keys itself.
    setFocusPolicy(Qt::StrongFocus);
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Click()
{
    close();
}

void frmSplash::Form_KeyPress(int keyAscii)
{
    Q_UNUSED(keyAscii)
    close();
}

void frmSplash::Form_QueryUnload()
{
    finishSetup();
    showForm<frmMenu>();
}
