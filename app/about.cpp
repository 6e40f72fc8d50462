#include "about.h"
#include "ui_about.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/formscale.h"

namespace aboutpages {
const char *const updates = "https://addons.example.com/tools/tessary-extractor";
const char *const toolsupport = "https://forum.example.com/threads/tessary-extractor-support";
const char *const hostsite = "https://www.example.com/";
const char *const skinsupport = "https://forum.example.com/threads/tessary-skin-support";
} // namespace aboutpages

namespace {

// Without a browser the page just does not open; the dialog stays as it was.
void openpage(const char *address)
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(address), QUrl::TolerantMode));
}

} // namespace

About::About(QWidget *parent)
    : QDialog(parent), ui(new Ui::About)
{
    ui->setupUi(this);
    formscale::pinfonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(QStringLiteral("Tessary Extractor - About"));
}

About::~About()
{
    delete ui;
}

void About::on_closebutton_clicked()
{
    close();
}

void About::on_pushButton_clicked() { openpage(aboutpages::updates); }
void About::on_pushButton_2_clicked() { openpage(aboutpages::toolsupport); }
void About::on_pushButton_3_clicked() { openpage(aboutpages::hostsite); }
void About::on_pushButton_4_clicked() { openpage(aboutpages::skinsupport); }
