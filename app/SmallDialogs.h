// The about box, the editing hints and the update and support dialogs.
#pragma once

#include "platform/forms/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class NoshiAbout : public forms::Form {
    Q_OBJECT
public:
    explicit NoshiAbout(QWidget* parent = nullptr);
    void Form_Load() override;
    // This platform has no system-information tool to start: says so.
    void StartSystemInfo();

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

class DialogDoc : public forms::Form {
    Q_OBJECT
public:
    explicit DialogDoc(QWidget* parent = nullptr);
    // The eighteen lines, with whether each is bold.
    static QList<std::pair<QString, bool>> hintLines();

protected:
    void paintEvent(QPaintEvent*) override;
};

class DialogUpdate : public forms::Form {
    Q_OBJECT
public:
    explicit DialogUpdate(QWidget* parent = nullptr);
    void Form_Load() override;
    void Label2_Click(); // the update page; closes the dialog and the main window
    void Label3_Click(); // the support page
    void CancelButton_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // Closes the main window (set by the main window).
    std::function<void()> closeMainWindow;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class DialogSuport : public forms::Form {
    Q_OBJECT
public:
    explicit DialogSuport(QWidget* parent = nullptr);
    void Label3_Click();

    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

} // namespace app
