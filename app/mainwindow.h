#pragma once
#include <QMainWindow>

#include "colours/colourscheme.h"
#include "skinmodel/skinmodel.h"

namespace Ui { class MainWindow; }

class MainWindow : public QMainWindow, public SkinModel, public ColourScheme
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private:
    Ui::MainWindow *ui;
};
