#include "preview/EditorMenus.h"

#include "preview/PreviewFormatter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace preview {

namespace {

// Watches every key on its way to a control of one window, those made later
// included, and leaves the keys of the window's enabled menu items unclaimed
// so that the items run.
class MenuKeysFirst : public QObject {
public:
    explicit MenuKeysFirst(QWidget* window) : QObject(window), window_(window) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        if (w == window_ || w->window() != window_)
            return false;
        const QKeySequence typed(static_cast<QKeyEvent*>(e)->keyCombination());
        for (const QAction* a : window_->findChildren<QAction*>()) {
            if (a->isEnabled() && a->shortcuts().contains(typed)) {
                e->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

void EditorMenus::putMenuKeysFirst(QWidget* window) { new MenuKeysFirst(window); }

QAction* EditorMenus::addItem(QMenu* menu, const QString& caption, const QKeySequence& key)
{
    QAction* a = menu->addAction(caption);
    if (!key.isEmpty())
        a->setShortcut(key);
    return a;
}

void EditorMenus::addPrintItems(QMenu* file)
{
    mnuFilePrint = addItem(file, QStringLiteral("印刷(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPrinterSetup = addItem(file, QStringLiteral("プリンタの設定(&U)"));
    file->addSeparator();
    mnuFileExit = addItem(file, QStringLiteral("閉じる(&X)"));
}

void EditorMenus::addEditItems(QMenu* edit)
{
    mnuEditUndo = addItem(edit, QStringLiteral("元に戻す(&U)"));
    edit->addSeparator();
    mnuEditCut = addItem(edit, QStringLiteral("切り取り(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuEditCopy = addItem(edit, QStringLiteral("ｺﾋﾟｰ(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = addItem(edit, QStringLiteral("貼り付け(&P)"), QKeySequence(Qt::CTRL | Qt::Key_V));
}

void EditorMenus::buildSharedMenus(QMenuBar* bar, QWidget* owner)
{
    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    mnuViewStatusBar = addItem(view, QStringLiteral("ｽﾃｰﾀｽ ﾊﾞｰ(&B)"));
    mnuViewStatusBar->setCheckable(true);
    mnuViewStatusBar->setChecked(true);

    QMenu* format = bar->addMenu(QStringLiteral("書式(&O)"));
    QMenu* font = format->addMenu(QStringLiteral("書体の変更(&C)"));
    mnuFontChange = addItem(font, QStringLiteral("ﾌｫﾝﾄの変更(&C)"));
    font->addSeparator();
    mnuFontB = addItem(font, QStringLiteral("太字(&B)"));
    mnuFontItalic = addItem(font, QStringLiteral("斜体(&I)"));
    mnuFontUnder = addItem(font, QStringLiteral("下線(&U)"));
    mnuFontst = addItem(font, QStringLiteral("取消(&S)"));
    font->addSeparator();
    mnuFontReset = addItem(font, QStringLiteral("標準(&R)"));
    format->addSeparator();
    mnuFontColor = addItem(format, QStringLiteral("文字色の変更(&F)"));
    mnuUsuzumi = addItem(format, QStringLiteral("薄墨に変更(&U)"));
    format->addSeparator();
    mnuFontSize = addItem(format, QStringLiteral("ﾌｫﾝﾄｻｲｽﾞの変更(&B)"));

    QMenu* help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuHelpContents = addItem(help, QStringLiteral("目次＆ｷｰﾜｰﾄﾞ(&C)"));
    help->addSeparator();
    mnuHint = addItem(help, QStringLiteral("編集のﾋﾝﾄ(&H)"));
    help->addSeparator();
    mnuHelpAbout = addItem(help, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    mnuPopup = new QMenu(QStringLiteral("Ｐｏｐｕｐ"), owner);
    mnuPopEditUndo = addItem(mnuPopup, QStringLiteral("元に戻す(&U)"));
    mnuPopup->addSeparator();
    mnuPopEditCut = addItem(mnuPopup, QStringLiteral("切り取り(&T)"));
    mnuPopEditCopy = addItem(mnuPopup, QStringLiteral("ｺﾋﾟｰ(&C)"));
    mnuPopEditPaste = addItem(mnuPopup, QStringLiteral("貼り付け(&P)"));
    mnuPopup->addSeparator();
    mnuPopFont = addItem(mnuPopup, QStringLiteral("書体の変更(&C)"));
    mnuPopup->addSeparator();
    mnuPopColor = addItem(mnuPopup, QStringLiteral("文字色の変更(&F)"));
    mnuPopUsuzumi = addItem(mnuPopup, QStringLiteral("薄墨に変更(&G)"));
    mnuPopup->addSeparator();
    mnuPopSize = addItem(mnuPopup, QStringLiteral("ﾌｫﾝﾄｻｲｽﾞの変更(&B)"));
}

void EditorMenus::connectFormatCommands(QObject* context, std::function<PreviewFormatter&()> formatter)
{
    using Command = void (PreviewFormatter::*)();
    const auto on = [&](QAction* a, Command c) {
        QObject::connect(a, &QAction::triggered, context, [formatter, c] { (formatter().*c)(); });
    };
    on(mnuEditUndo, &PreviewFormatter::undo);
    on(mnuEditCut, &PreviewFormatter::cut);
    on(mnuEditCopy, &PreviewFormatter::copy);
    on(mnuEditPaste, &PreviewFormatter::paste);
    on(mnuPopEditUndo, &PreviewFormatter::undo);
    on(mnuPopEditCut, &PreviewFormatter::cut);
    on(mnuPopEditCopy, &PreviewFormatter::copy);
    on(mnuPopEditPaste, &PreviewFormatter::paste);
    on(mnuFontChange, &PreviewFormatter::fontDialog);
    on(mnuPopFont, &PreviewFormatter::fontDialog);
    on(mnuFontB, &PreviewFormatter::bold);
    on(mnuFontItalic, &PreviewFormatter::italic);
    on(mnuFontUnder, &PreviewFormatter::underline);
    on(mnuFontst, &PreviewFormatter::strikeThrough);
    on(mnuFontReset, &PreviewFormatter::plain);
    on(mnuFontColor, &PreviewFormatter::colorDialog);
    on(mnuPopColor, &PreviewFormatter::colorDialog);
    on(mnuUsuzumi, &PreviewFormatter::usuzumiFromMenu);
    on(mnuPopUsuzumi, &PreviewFormatter::usuzumiFromPopup);
    on(mnuFontSize, &PreviewFormatter::sizeCommand);
    on(mnuPopSize, &PreviewFormatter::popupSize);
}

} // namespace preview
