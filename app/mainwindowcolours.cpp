// The colour editors of the main window: for every colour a picker, a reset
// and (but for the skin and zone colours) a setter, and for colour 1 of a
// gradient pair a copy into colour 2; the gradient switch; the colour
// profile entries and the deck actions of the Colors menu.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QColorDialog>
#include <QFileDialog>

#include "app/messagebox.h"
#include "colours/deckcolours.h"
#include "colours/gradientswitch.h"
#include "colours/profileactions.h"
#include "colours/profileformat.h"
#include "colours/swatch.h"

namespace {

void storecolour(QColor &member, QWidget *swatch, const QColor &colour)
{
    member = colour;
    paintswatch(swatch, member);
}

} // namespace

// Every editor of one colour, expanded from its row of the colour table.
// The setter stores the colour and repaints the swatch; while gradients are
// off, colour 1 also gives its value to colour 2 through colour 2's setter.
// The picker and the reset end with the redraw of the colour's preview; a
// cancelled dialog changes nothing. A reset takes the value of the profile
// loaded last; a key that profile lacks leaves the colour invalid.
#define TYX_DEFINE_COLOUR_EDITORS(member, key, family, scope, role, partner, swatch, colorButton, resetButton, draw) \
    TYX_IF_SETTER(family, void MainWindow::colorButton(QColor color) {                                               \
        storecolour(member, ui->swatch, color);                                                                      \
        TYX_IF_FIRST(role, if (disablegradience) partner##_color(color);)                                            \
    })                                                                                                               \
                                                                                                                     \
    QColor MainWindow::on_##colorButton##_clicked()                                                                  \
    {                                                                                                                \
        const QColor chosen = QColorDialog::getColor(member, this);                                                  \
        if (chosen.isValid()) {                                                                                      \
            TYX_IF_SETTER(family, colorButton(chosen);)                                                              \
            TYX_IF_NO_SETTER(family, storecolour(member, ui->swatch, chosen);)                                       \
            draw();                                                                                                  \
        }                                                                                                            \
        return chosen;                                                                                               \
    }                                                                                                                \
                                                                                                                     \
    void MainWindow::on_##resetButton##_clicked()                                                                    \
    {                                                                                                                \
        storecolour(member, ui->swatch, colourFromText(profilecolors.value(QStringLiteral(key))));                  \
        TYX_IF_FIRST(role, if (disablegradience) partner##_color(member);)                                           \
        draw();                                                                                                      \
    }                                                                                                                \
                                                                                                                     \
    TYX_IF_FIRST(role, void MainWindow::on_##member##_to2_clicked() {                                                \
        partner##_color(member);                                                                                     \
        draw();                                                                                                      \
    })

TYX_COLOUR_EDITOR_ROWS(TYX_DEFINE_COLOUR_EDITORS)
#undef TYX_DEFINE_COLOUR_EDITORS

// Gradient switch

void MainWindow::hidecolors(bool hide)
{
    for (const QString &name : gradientswitchwidgets()) {
        if (QWidget *widget = findChild<QWidget *>(name))
            widget->setEnabled(hide);
    }
}

void MainWindow::on_colordisablegradience_triggered()
{
    // The flag decides; the action's own check mark only follows it.
    disablegradience = !disablegradience;
    ui->colordisablegradience->setChecked(disablegradience);
    hidecolors(!disablegradience);
    drawpreviews(true);
}

// Colour profiles

void MainWindow::setprofilemarks(int checked)
{
    QAction *const actions[] = {ui->loaddefaultcolorprofile, ui->actionWhite, ui->actionDark};
    for (int i = 0; i < 3; ++i)
        actions[i]->setChecked(i == checked);
}

void MainWindow::loadbuiltinprofile(int index)
{
    const BuiltinProfile &profile = builtinprofiles().at(index);
    colorprofile = profile.name;
    colorprofilepath = profile.path;
    loadcolorprofile(colorprofilepath);
    initcolors();
    drawscenes();
    ui->colorprofile_label->setText(profile.label);
    setprofilemarks(index);
    // A built-in profile cannot be written; "Save Profile" would ask for a
    // file anyway, so it is offered only once a file is the current profile.
    ui->savecolorprofile->setEnabled(false);
}

void MainWindow::on_loaddefaultcolorprofile_triggered() { loadbuiltinprofile(0); }
void MainWindow::on_actionWhite_triggered() { loadbuiltinprofile(1); }
void MainWindow::on_actionDark_triggered() { loadbuiltinprofile(2); }

void MainWindow::on_loadprofilefromfile_triggered()
{
    const QString path = QFileDialog::getOpenFileName(this, apptitle + tr(" - Load a Color Profile"),
                                                      profilesdir, profilefilter());
    if (path.isEmpty())
        return;
    colorprofilepath = path;
    colorprofile = profilename(path);
    loadcolorprofile(colorprofilepath);
    initcolors();
    drawscenes();
    ui->colorprofile_label->setText(profilelabeltext(colorprofile));
    setprofilemarks(-1);
    ui->savecolorprofile->setEnabled(true);
}

bool MainWindow::writeprofile(const QString &path, const QString &name)
{
    QString why;
    if (savecolors(path, &why))
        return true;
    messagebox::warning(this, apptitle, profilenotsavedtext(name, path, why));
    return false;
}

void MainWindow::on_saveascolorprofile_triggered()
{
    const QString path = QFileDialog::getSaveFileName(this, apptitle + tr(" - Save Color Profile"),
                                                      profilesdir, profilefilter());
    if (path.isEmpty())
        return;
    // A file that could not be written does not become the current profile.
    const QString name = profilename(path);
    if (!writeprofile(path, name))
        return;
    colorprofilepath = path;
    colorprofile = name;
    initcolors();
    setprofilemarks(-1);
    messagebox::information(this, apptitle, profilesavedtext(colorprofile));
    ui->colorprofile_label->setText(profilelabeltext(colorprofile));
}

void MainWindow::on_savecolorprofile_triggered()
{
    if (isbuiltinprofile(colorprofilepath)) {
        on_saveascolorprofile_triggered();
        return;
    }
    if (!writeprofile(colorprofilepath, colorprofile))
        return;
    initcolors();
    setprofilemarks(-1);
    messagebox::information(this, apptitle, profileupdatedtext(colorprofile));
}

// Deck actions. A copy reads each colour of the source deck just before the
// receiving deck's setter stores it, and redraws the receiving deck once at
// the end; a reset runs the deck's reset buttons, each drawing its preview.

void MainWindow::on_colorsfromLeftToRight_triggered()
{
#define TYX_COPY_TO_RIGHT(left, right, setter, reset) d2_##setter(left);
    TYX_DECK_COLOURS(TYX_COPY_TO_RIGHT)
#undef TYX_COPY_TO_RIGHT
    drawbutton2();
    drawknob2();
    drawfader2();
    drawjog2();
    drawdsp2();
    drawtext2();
    drawvu2();
    drawwave2();
}

void MainWindow::on_colorsFromRightToLeft_triggered()
{
#define TYX_COPY_TO_LEFT(left, right, setter, reset) d1_##setter(right);
    TYX_DECK_COLOURS(TYX_COPY_TO_LEFT)
#undef TYX_COPY_TO_LEFT
    drawbutton();
    drawknob();
    drawfader();
    drawjog();
    drawdsp();
    drawtext1();
    drawvu1();
    drawwave1();
}

void MainWindow::on_resetleftcolors_triggered()
{
#define TYX_RESET_LEFT(left, right, setter, reset) on_d1_##reset##_clicked();
    TYX_DECK_COLOURS(TYX_RESET_LEFT)
#undef TYX_RESET_LEFT
}

void MainWindow::on_resetrightcolors_triggered()
{
#define TYX_RESET_RIGHT(left, right, setter, reset) on_d2_##reset##_clicked();
    TYX_DECK_COLOURS(TYX_RESET_RIGHT)
#undef TYX_RESET_RIGHT
}
