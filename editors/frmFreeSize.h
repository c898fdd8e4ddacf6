// The free-size editor: one page of rich text at the real size of a paper
// whose width and height the user chooses in millimetres, written vertically
// or horizontally, started with the main window's inscription, printed on
// the standard sheet that the paper's long side selects.
#pragma once

#include "editors/PageEditor.h"

namespace editors {

class frmFreeSize : public PageEditor {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("フリーサイズ印刷");
    static inline const QString Horizontal = QStringLiteral("横書き");
    static inline const QString Vertical = QStringLiteral("縦書き");
    static constexpr int DefaultWidth = 120;
    static constexpr int DefaultHeight = 300;

    explicit frmFreeSize(QWidget* parent = nullptr);

    QPushButton* Command4 = nullptr; // "用紙サイズの変更(&S)"
    QLineEdit* Text12 = nullptr;     // the paper size
    QAction* mnuPage = nullptr;      // "ページ設定(&S)"
    QAction* mnuPast = nullptr;      // "画像の挿入(&P)"
    QAction* mnuObject = nullptr;    // "ｵﾌﾞｼﾞｪｸﾄの挿入(&A)"

    int SizeDelta = 0; // size offset of the seeded inscription

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;

    // The editor's own paper, millimetres.
    int paperWidth() const { return paperWidth_; }
    int paperHeight() const { return paperHeight_; }
    // Takes a paper size and makes it the program's current one.
    void setPaper(int width, int height);

    void ApplyWritingDirection();
    void Combo3_Click() { ApplyWritingDirection(); }
    void Command4_Click() { mnuPage_Click(); }
    void mnuPage_Click();
    void InsertOmotegaki();
    void mnuFilePrint_Click() override;
    // Shown again while open: the program's paper becomes this editor's
    // again (the menu command cleared it).
    void reshown();

    QString sizeText() const;

protected:
    QString captionBase() const override { return Caption; }
    QString closingQuestion() const override;
    int scrollPaperWidth() const override { return paperWidth_; }
    int scrollPaperHeight() const override { return paperHeight_; }
    void newPageSetup() override { mnuPage_Click(); }

private:
    void showSizeText();
    int paperWidth_ = DefaultWidth;
    int paperHeight_ = DefaultHeight;
};

// The program's one free-size editor, created on first use.
forms::FormRef<frmFreeSize>& FreeSize();
// Shows the editor modeless; an open one is only brought to the front and keeps its page.
void showFreeSize();

} // namespace editors
