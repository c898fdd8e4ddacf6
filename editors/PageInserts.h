// The picture and object commands that both page editors share: the picture
// picker, pasting the picture it left on the clipboard, the object-insertion
// dialog, and embedding the file handed over through the hidden box Text11.
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace rt {
class RichTextEdit;
}

namespace editors {

class PageInserts : public QObject {
    Q_OBJECT
public:
    // The page's editing widget and the editor window that owns the dialogs.
    PageInserts(rt::RichTextEdit& page, QWidget* owner);

    // Hidden; holds the path last handed over (initially "Text11").
    QLineEdit* Text11 = nullptr;

    // "画像ﾌｧｲﾙの読み込み(&L)": the picture picker, modal.
    void showPicturePicker();
    // "画像の挿入(&P)": the page pastes what the clipboard holds at its selection.
    void pastePicture();
    // "ｵﾌﾞｼﾞｪｸﾄの挿入(&A)": the object-insertion dialog, modal.
    void showObjectDialog();
    // The hand-over: Text11 takes the path and the file is embedded at the
    // page's selection, also when the same path comes twice. A file that
    // cannot be embedded gets a message and leaves the page as it was (false).
    bool embedFile(const QString& path);

private:
    rt::RichTextEdit& page_;
    QWidget* owner_;
};

} // namespace editors
