#pragma once
#include <QMainWindow>
#include <QMap>
#include <QString>
#include <QVector>

#include <memory>

#include "colours/colourscheme.h"
#include "preview/previewscenes.h"
#include "skinmodel/skinmodel.h"

class QTabWidget;
class SkinWriter;
namespace Ui { class MainWindow; }

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

private:
    void installtessaryskin();
    void storeoption(const QString &key, const QString &value);
    QVector<QTabWidget *> settingstabs() const;
    // The writer of the current run, made from the form on first use.
    SkinWriter &skinwriter();
    // While a job runs, nothing of the window may change the tables, the
    // colours or the settings that it works from.
    void setjobrunning(bool running);

    Ui::MainWindow *ui;
    std::unique_ptr<SkinWriter> m_skinwriter;
};
