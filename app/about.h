#pragma once
#include <QDialog>

namespace Ui { class About; }

// The web pages the About dialog's buttons open.
namespace aboutpages {
extern const char *const updates;      // the program's add-on page
extern const char *const toolsupport;  // the program's support thread
extern const char *const hostsite;     // the host's home page
extern const char *const skinsupport;  // the Tessary skin's support thread
} // namespace aboutpages

// The program's name, version and notice, with buttons that open its web
// pages in the user's browser.
class About : public QDialog
{
    Q_OBJECT
public:
    explicit About(QWidget *parent = nullptr);
    ~About() override;

private slots:
    void on_closebutton_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();

private:
    Ui::About *ui;
};
