// The postcard editor: the page editor with five fixed postcard layouts in
// place of a free paper size. The layout list sets the page's size and
// writing direction; printing places the card on the sheet by the layout.
#pragma once

#include "editors/PageEditor.h"

namespace editors {

struct PostcardLayout;

class frmHagaki : public PageEditor {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("はがき印刷");

    explicit frmHagaki(QWidget* parent = nullptr);

    QLineEdit* Text10 = nullptr;     // "印刷方向", the layout list's caption
    QPushButton* Command8 = nullptr; // "画像ﾌｧｲﾙの読み込み(&L)"
    QPushButton* Command9 = nullptr; // "画像の挿入(&P)"
    QPushButton* Command1 = nullptr; // "ｵﾌﾞｼﾞｪｸﾄの挿入(&A)"
    QPushButton* Command2 = nullptr; // "閉じる(&X)"

    void Form_Load() override;
    void Form_Activate() override;
    // Applies the layout chosen in the list (Combo3).
    void Combo3_Click();
    void mnuFilePrint_Click() override;
    void Command2_Click();

    // The layout the page has.
    const PostcardLayout& layout() const { return *layout_; }

protected:
    QString captionBase() const override { return Caption; }
    QString closingQuestion() const override;
    int scrollPaperWidth() const override;
    int scrollPaperHeight() const override;
    bool keepScrolledWhenWide() const override { return false; }

private:
    void applyLayout(const PostcardLayout& l);
    const PostcardLayout* layout_;
};

// The program's one postcard editor, created on first use.
forms::FormRef<frmHagaki>& Hagaki();
// Shows the editor modeless; an open one is only brought to the front.
void showHagaki();

} // namespace editors
