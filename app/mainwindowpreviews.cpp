// The colour previews of the main window: each draw hands its scene and the
// current colours of its family and scope to the preview's drawing.
#include "mainwindow.h"

#include "preview/buttonpreview.h"
#include "preview/dropdownpreview.h"
#include "preview/faderpreview.h"
#include "preview/jogpreview.h"
#include "preview/knobpreview.h"
#include "preview/meterpreview.h"
#include "preview/systempreview.h"
#include "preview/textpreview.h"
#include "preview/wavepreview.h"

namespace {

void drawfaderof(QGraphicsScene *scene, const ColourScheme &colours, ColourScope scope)
{
    drawfaderpreview(scene, fadershape(scope), fadercolours(colours, scope), colours.disablegradience);
}

} // namespace

void MainWindow::drawbutton()
{
    drawbuttonpreview(scene_button, buttoncolours(*this, ColourScope::D1), disablegradience);
}

void MainWindow::drawbutton2()
{
    drawbuttonpreview(scene_button2, buttoncolours(*this, ColourScope::D2), disablegradience);
}

void MainWindow::drawbuttonm()
{
    drawbuttonpreview(scene_buttonm, buttoncolours(*this, ColourScope::Mixer), disablegradience);
}

void MainWindow::drawknob()
{
    drawknobpreview(scene_knob, knobcolours(*this, ColourScope::D1), disablegradience);
}

void MainWindow::drawknob2()
{
    drawknobpreview(scene_knob2, knobcolours(*this, ColourScope::D2), disablegradience);
}

void MainWindow::drawknobm()
{
    drawknobpreview(scene_knobm, knobcolours(*this, ColourScope::Mixer), disablegradience);
}

void MainWindow::drawknobv()
{
    drawknobpreview(scene_knobv, knobcolours(*this, ColourScope::Video), disablegradience);
}

void MainWindow::drawfader() { drawfaderof(scene_fader, *this, ColourScope::D1); }
void MainWindow::drawfader2() { drawfaderof(scene_fader2, *this, ColourScope::D2); }
void MainWindow::drawfaderm() { drawfaderof(scene_faderm, *this, ColourScope::Mixer); }
void MainWindow::drawfaderv() { drawfaderof(scene_faderv, *this, ColourScope::Video); }

void MainWindow::drawjog() { drawjogpreview(scene_jog, jogcolours(*this, ColourScope::D1)); }
void MainWindow::drawjog2() { drawjogpreview(scene_jog2, jogcolours(*this, ColourScope::D2)); }

void MainWindow::drawdsp()
{
    drawdropdownpreview(scene_dsp, dropdowncolours(*this, ColourScope::D1), disablegradience);
}

void MainWindow::drawdsp2()
{
    drawdropdownpreview(scene_dsp2, dropdowncolours(*this, ColourScope::D2), disablegradience);
}

void MainWindow::drawdspm()
{
    drawdropdownpreview(scene_dspm, dropdowncolours(*this, ColourScope::Mixer), disablegradience);
}

void MainWindow::drawdspv()
{
    drawdropdownpreview(scene_dspv, dropdowncolours(*this, ColourScope::Video), disablegradience);
}

void MainWindow::drawtext1() { drawdecktextpreview(scene_text1, decktextcolours(*this, ColourScope::D1)); }
void MainWindow::drawtext2() { drawdecktextpreview(scene_text2, decktextcolours(*this, ColourScope::D2)); }
void MainWindow::drawtextm() { drawmixertextpreview(scene_textm, mixertextcolours(*this)); }

void MainWindow::drawvu1() { drawmeterpreview(scene_vu1, metercolours(*this, ColourScope::D1)); }
void MainWindow::drawvu2() { drawmeterpreview(scene_vu2, metercolours(*this, ColourScope::D2)); }
void MainWindow::drawvum() { drawmeterpreview(scene_vum, metercolours(*this, ColourScope::Mixer)); }

void MainWindow::drawwave1()
{
    drawsongpositionpreview(scene_wave1, songpositioncolours(*this, ColourScope::D1));
}

void MainWindow::drawwave2()
{
    drawsongpositionpreview(scene_wave2, songpositioncolours(*this, ColourScope::D2));
}

void MainWindow::drawwavem() { drawscratchwavepreview(scene_wavem, scratchwavecolours(*this)); }

void MainWindow::drawsystem() { drawsystempreview(scene_system, systemcolours(*this)); }

void MainWindow::updatescenes() { refreshscenes(skinback); }

// Every preview in the order of a full redraw; gradients marks the ones
// whose look changes when gradients are switched off.
void MainWindow::drawpreviews(bool gradientsonly)
{
    struct PreviewDraw
    {
        void (MainWindow::*draw)();
        bool gradients;
    };
    static const PreviewDraw previews[] = {
        {&MainWindow::drawbutton, true},  {&MainWindow::drawbutton2, true}, {&MainWindow::drawbuttonm, true},
        {&MainWindow::drawknob, true},    {&MainWindow::drawknob2, true},   {&MainWindow::drawknobm, true},
        {&MainWindow::drawknobv, true},   {&MainWindow::drawfader, true},   {&MainWindow::drawfader2, true},
        {&MainWindow::drawfaderm, true},  {&MainWindow::drawfaderv, true},  {&MainWindow::drawjog, false},
        {&MainWindow::drawjog2, false},   {&MainWindow::drawdsp, true},     {&MainWindow::drawdsp2, true},
        {&MainWindow::drawdspm, true},    {&MainWindow::drawdspv, true},    {&MainWindow::drawtext1, false},
        {&MainWindow::drawtext2, false},  {&MainWindow::drawtextm, false},  {&MainWindow::drawvu1, false},
        {&MainWindow::drawvu2, false},    {&MainWindow::drawvum, false},    {&MainWindow::drawwave1, false},
        {&MainWindow::drawwave2, false},  {&MainWindow::drawwavem, false},  {&MainWindow::drawbrowser, false},
        {&MainWindow::drawskin, false},   {&MainWindow::drawsystem, false},
    };
    for (const PreviewDraw &preview : previews)
        if (preview.gradients || !gradientsonly)
            (this->*preview.draw)();
}
