#pragma once
#include <QDialog>
#include <QMap>
#include <QString>

namespace Ui { class Settings; }

// Lets the user change the host's folder, the Tessary skin's name and the
// colour profile loaded at the next start. It works on a copy of the tool's
// settings and writes no file: when `saved` is set after it closed, the
// caller takes the edited values back with getsettings().
class Settings : public QDialog
{
    Q_OBJECT
public:
    explicit Settings(QWidget *parent = nullptr);
    ~Settings() override;

    // Fills the fields from the tool's settings; a missing key reads as "".
    void setsettings(QMap<QString, QString> settings);
    // The edited host folder, skin name, Tessary name and start-up profile.
    // For "Last session" the profile's path is left to the caller, which
    // knows where the last-used profile is kept.
    QMap<QString, QString> getsettings() const;

    // Set only by "Save and Exit".
    bool saved = false;

private slots:
    void on_cancelbutton_clicked();
    void on_savebutton_clicked();
    void on_changeqrnfolder_clicked();
    void on_profilebutton_clicked();
    void on_colordefault_radio_clicked();
    void on_colorlast_radio_clicked();
    void on_colorother_radio_clicked();
    void on_changetessary_clicked();

private:
    QString documentsdir;
    QString profilepath;
    QString skinname;
    Ui::Settings *ui;
};
