#pragma once
#include <QMainWindow>
#include <QMap>
#include <QMessageBox>
#include <QString>
#include <QVector>

#include <memory>

#include "colours/colourscheme.h"
#include "colours/editormacros.h"
#include "preview/previewscenes.h"
#include "skinmodel/skinmodel.h"

class QTabWidget;
class SkinWriter;
namespace Ui { class MainWindow; }
namespace projectfile { struct ProjectChoice; }

class MainWindow : public QMainWindow, public SkinModel, public ColourScheme, public PreviewScenes
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Tool settings (settings.tyx in the work folder).
    void initsettings();
    void loadsettings();
    void savesettings();

    // The browser colour and icon options of the Browser tab.
    void setbrowserradio(const QString &index);
    void seticonradio(const QString &index);
    int browserradio() const;
    int iconradio() const;
    QString getbrowserimage() const;

    // Repaints every colour swatch of the form from the colour members.
    void initcolors();
    // Reads the project's zones and screen size, and lets the user edit the
    // colours of the zones the project shows.
    void initzones(const QString &name);

    // Previews.
    void initscenes();
    void drawscenes();
    void drawbrowser();
    void drawskin();
    // Previews of the colour families, one per family and scope; each
    // rebuilds its scene from the current colours.
    void drawbutton();
    void drawbutton2();
    void drawbuttonm();
    void drawknob();
    void drawknob2();
    void drawknobm();
    void drawknobv();
    void drawfader();
    void drawfader2();
    void drawfaderm();
    void drawfaderv();
    void drawjog();
    void drawjog2();
    void drawdsp();
    void drawdsp2();
    void drawdspm();
    void drawdspv();
    void drawtext1();
    void drawtext2();
    void drawtextm();
    void drawvu1();
    void drawvu2();
    void drawvum();
    void drawwave1();
    void drawwave2();
    void drawwavem();
    void drawsystem();
    // Shows a new skin background behind every preview without redrawing.
    void updatescenes();
    // Redraws every preview in the full redraw's order, or only those drawn
    // with gradients.
    void drawpreviews(bool gradientsonly);

    QString apptitle;
    QMap<QString, QString> settings;
    QString documentsdir;
    QString resourcesdir;
    QString profilesdir;
    QString projectsdir;
    QString settingsfilename;
    QString projectname;
    QString projectpath;

    // The host's folder, and the Tessary skin zip installed in it.
    QString hostfolder() const;
    QString tessaryzippath() const;
    // How many pieces splitter cuts the host's setting into.
    int checsetting(const QString &setting, const QString &splitter) const;
    // Check marks of the Project menu for the current project.
    void setprojectmarks();
    // The status line under the title: what is missing of the installation.
    void setstatusline();

    // The skin writer's steps of the create-skin job, on the writer of the
    // current run; false when a file could not be written.
    void createpng();
    bool createxml();
    bool editpreview(const QString &path);

private slots:
    void on_lineEdit_textChanged();
    void on_lineEdit_editingFinished();
    void on_browserdefault_radio_clicked();
    void on_browserdark_radio_clicked();
    void on_browserwhite_radio_clicked();
    void on_iconsdefault_radio_clicked();
    void on_iconsalternative_radio_clicked();
    void on_iconswhite_radio_clicked();
    void on_dothejob_clicked();

    // Projects of the Project menu: choosing, saving, applying to the host
    // (mainwindowprojects.cpp).
private slots:
    void on_loaddefaultproject_triggered();
    void on_loaddemo1project_triggered();
    void on_loaddemo2project_triggered();
    void on_loaddemo3project_triggered();
    void on_loadproject_triggered();
    void on_pushButton_3_clicked();
    void on_projectsaveas_triggered();
    void on_actionDefault_triggered();
private:
    void chooseproject(const projectfile::ProjectChoice &choice);

    // The Settings and About dialogs of the Help menu (mainwindowdialogs.cpp).
private slots:
    void on_actionSettings_triggered();
    void on_actionAbout_triggered();

    // The colour editors, the gradient switch, the colour profiles and the
    // deck actions of the Colors menu (mainwindowcolours.cpp).
public:
    // Enables (true) or disables (false) the decks' colour-2 widgets.
    void hidecolors(bool hide);
private slots:
    // Generated from the colour table, per colour: the setter (named after
    // the colour button; none for the skin and zone colours), the picker of
    // the colour button, the reset of the reset button and, for colour 1 of
    // a gradient pair, the copy of colour 1 into colour 2.
#define TYX_DECLARE_COLOUR_EDITORS(member, key, family, scope, role, partner, swatch, colorButton, resetButton, draw) \
    TYX_IF_SETTER(family, void colorButton(QColor color);) \
    QColor on_##colorButton##_clicked(); \
    void on_##resetButton##_clicked(); \
    TYX_IF_FIRST(role, void on_##member##_to2_clicked();)
    TYX_COLOUR_EDITOR_ROWS(TYX_DECLARE_COLOUR_EDITORS)
#undef TYX_DECLARE_COLOUR_EDITORS
    void on_colordisablegradience_triggered();
    void on_loaddefaultcolorprofile_triggered();
    void on_actionWhite_triggered();
    void on_actionDark_triggered();
    void on_loadprofilefromfile_triggered();
    void on_saveascolorprofile_triggered();
    void on_savecolorprofile_triggered();
    void on_colorsfromLeftToRight_triggered();
    void on_colorsFromRightToLeft_triggered();
    void on_resetleftcolors_triggered();
    void on_resetrightcolors_triggered();
private:
    void loadbuiltinprofile(int index);
    // Checks the built-in profile action of that index and unchecks the
    // others; -1 unchecks all three.
    void setprofilemarks(int checked);
    // Writes the colours to path; warns and returns false when it cannot.
    bool writeprofile(const QString &path, const QString &name);

protected:
    // While Create Skin runs, a close is held back until the run's result
    // has been shown and answered: closing the last window ends the program,
    // and every message box after that would return at once, unseen.
    void closeEvent(QCloseEvent *event) override;

private:
    void installtessaryskin();
    void storeoption(const QString &key, const QString &value);
    QVector<QTabWidget *> settingstabs() const;
    // The writer of the current run, made from the form on first use.
    SkinWriter &skinwriter();
    // While a job runs, nothing of the window may change the tables, the
    // colours or the settings that it works from.
    void setjobrunning(bool running);
    // Shows a running job's last message (one of the messagebox functions
    // with an Ok button) without losing a close that came during the job.
    using ResultBox = QMessageBox::StandardButton (*)(QWidget *, const QString &, const QString &);
    void showjobresult(ResultBox box, const QString &text);

    Ui::MainWindow *ui;
    std::unique_ptr<SkinWriter> m_skinwriter;
    bool m_jobrunning = false;
    bool m_closeheld = false;
};
