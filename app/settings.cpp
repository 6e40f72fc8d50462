#include "settings.h"
#include "ui_settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/createskinjob.h"
#include "app/formscale.h"
#include "app/messagebox.h"

Settings::Settings(QWidget *parent)
    : QDialog(parent),
      documentsdir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
      ui(new Ui::Settings)
{
    // The user leaves through "Exit" or "Save and Exit" (or Escape), never
    // through the title bar.
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint & ~Qt::WindowCloseButtonHint);
    ui->setupUi(this);
    formscale::pinfonts(this);
    // A profile's name comes from a file name, to be shown as written.
    ui->colorprofilename->setTextFormat(Qt::PlainText);
    setWindowTitle(QStringLiteral("Tessary Extractor - Settings"));
}

Settings::~Settings()
{
    delete ui;
}

void Settings::setsettings(QMap<QString, QString> settings)
{
    ui->qrnfolder_edit->setText(settings.value("qrnfolder"));
    skinname = settings.value("skinname");
    ui->tessaryname_edit->setText(settings.value("tyname"));
    profilepath = settings.value("colorprofilepath");

    // Checking a radio button from code runs no clicked slot, so the state
    // of "Select" is set here too.
    const QString profile = settings.value("colorprofile");
    if (profile == QLatin1String("default")) {
        ui->colordefault_radio->setChecked(true);
        ui->profilebutton->setEnabled(false);
    } else if (profile == QLatin1String("last_used")) {
        ui->colorlast_radio->setChecked(true);
        ui->profilebutton->setEnabled(false);
    } else {
        ui->colorother_radio->setChecked(true);
        ui->colorprofilename->setText(profile);
        ui->profilebutton->setEnabled(true);
    }
}

QMap<QString, QString> Settings::getsettings() const
{
    QMap<QString, QString> settings;
    settings.insert("qrnfolder", ui->qrnfolder_edit->text());
    settings.insert("skinname", skinname);
    settings.insert("tyname", ui->tessaryname_edit->text());
    if (ui->colordefault_radio->isChecked()) {
        settings.insert("colorprofile", "default");
        settings.insert("colorprofilepath", "://Resources/default.tycp");
    }
    if (ui->colorother_radio->isChecked()) {
        settings.insert("colorprofile", ui->colorprofilename->text());
        settings.insert("colorprofilepath", profilepath);
    }
    if (ui->colorlast_radio->isChecked())
        settings.insert("colorprofile", "last_used");
    return settings;
}

void Settings::on_cancelbutton_clicked()
{
    saved = false;
    close();
}

void Settings::on_savebutton_clicked()
{
    saved = true;
    close();
}

void Settings::on_changeqrnfolder_clicked()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Open Directory"), documentsdir,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isEmpty() && QDir(folder).exists())
        ui->qrnfolder_edit->setText(folder);
}

void Settings::on_changetessary_clicked()
{
    const QString start = ui->qrnfolder_edit->text() + "/Skins/" + ui->tessaryname_edit->text() + ".zip";
    const QString file = QFileDialog::getOpenFileName(
        this, tr("Tessary Extractor - Select the Tessary skin zip file"), start,
        tr("Skins (*.zip)"));
    if (file.isEmpty())
        return;
    // The rest of the tool finds the skin as <name>.zip in the skins folder,
    // so only the ".zip" goes: "My.Skin.zip" is the skin "My.Skin".
    const QString name = QFileInfo(file).completeBaseName();
    // The tool installs and opens the skin under this name, so it has to be
    // a name every platform of the host can carry.
    const createskinjob::NameProblem problem = createskinjob::checktessaryname(name);
    if (problem != createskinjob::NameProblem::None) {
        messagebox::warning(this, QStringLiteral("Tessary Extractor"),
                            createskinjob::refusedtessarytext(problem, name));
        return;
    }
    ui->tessaryname_edit->setText(name);
}

void Settings::on_profilebutton_clicked()
{
    const QString file = QFileDialog::getOpenFileName(
        this, tr("Tessary Extractor - Load a Color Profile"), documentsdir + "/TYX/profiles",
        tr("TY Color Profiles (*.tycp)"));
    if (file.isEmpty())
        return;
    ui->colorprofilename->setText(QFileInfo(file).baseName());
    profilepath = file;
}

void Settings::on_colordefault_radio_clicked()
{
    ui->profilebutton->setEnabled(false);
}

void Settings::on_colorlast_radio_clicked()
{
    ui->profilebutton->setEnabled(false);
}

void Settings::on_colorother_radio_clicked()
{
    ui->profilebutton->setEnabled(true);
}
