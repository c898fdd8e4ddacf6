#include "preview/EditorMenus.h"

#include "preview/PreviewFormatter.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace preview {

void EditorMenus::buildSharedMenus(QMenuBar* bar, QWidget* owner)
{
    const auto item = [](QMenu* menu, const QString& caption) { return menu->addAction(caption); };

    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    mnuViewStatusBar = item(view, QStringLiteral("ｽﾃｰﾀｽ ﾊﾞｰ(&B)"));
    mnuViewStatusBar->setCheckable(true);
    mnuViewStatusBar->setChecked(true);

    QMenu* format = bar->addMenu(QStringLiteral("書式(&O)"));
    QMenu* font = format->addMenu(QStringLiteral("書体の変更(&C)"));
    mnuFontChange = item(font, QStringLiteral("ﾌｫﾝﾄの変更(&C)"));
    font->addSeparator();
    mnuFontB = item(font, QStringLiteral("太字(&B)"));
    mnuFontItalic = item(font, QStringLiteral("斜体(&I)"));
    mnuFontUnder = item(font, QStringLiteral("下線(&U)"));
    mnuFontst = item(font, QStringLiteral("取消(&S)"));
    font->addSeparator();
    mnuFontReset = item(font, QStringLiteral("標準(&R)"));
    format->addSeparator();
    mnuFontColor = item(format, QStringLiteral("文字色の変更(&F)"));
    mnuUsuzumi = item(format, QStringLiteral("薄墨に変更(&U)"));
    format->addSeparator();
    mnuFontSize = item(format, QStringLiteral("ﾌｫﾝﾄｻｲｽﾞの変更(&B)"));

    QMenu* help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuHelpContents = item(help, QStringLiteral("目次＆ｷｰﾜｰﾄﾞ(&C)"));
    help->addSeparator();
    mnuHint = item(help, QStringLiteral("編集のﾋﾝﾄ(&H)"));
    help->addSeparator();
    mnuHelpAbout = item(help, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    mnuPopup = new QMenu(QStringLiteral("Ｐｏｐｕｐ"), owner);
    mnuPopEditUndo = item(mnuPopup, QStringLiteral("元に戻す(&U)"));
    mnuPopup->addSeparator();
    mnuPopEditCut = item(mnuPopup, QStringLiteral("切り取り(&T)"));
    mnuPopEditCopy = item(mnuPopup, QStringLiteral("ｺﾋﾟｰ(&C)"));
    mnuPopEditPaste = item(mnuPopup, QStringLiteral("貼り付け(&P)"));
    mnuPopup->addSeparator();
    mnuPopFont = item(mnuPopup, QStringLiteral("書体の変更(&C)"));
    mnuPopup->addSeparator();
    mnuPopColor = item(mnuPopup, QStringLiteral("文字色の変更(&F)"));
    mnuPopUsuzumi = item(mnuPopup, QStringLiteral("薄墨に変更(&G)"));
    mnuPopup->addSeparator();
    mnuPopSize = item(mnuPopup, QStringLiteral("ﾌｫﾝﾄｻｲｽﾞの変更(&B)"));
}

void EditorMenus::connectFormatCommands(QObject* context, std::function<PreviewFormatter&()> formatter)
{
    using Command = void (PreviewFormatter::*)();
    const auto on = [&](QAction* a, Command c) {
        QObject::connect(a, &QAction::triggered, context, [formatter, c] { (formatter().*c)(); });
    };
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
