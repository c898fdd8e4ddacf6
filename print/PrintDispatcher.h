// PrintOrPreview: the one road from the main window's print and edit
// commands to a laid-out noshi page. It checks the inputs, finds the
// registered size and its template, sets the page geometry and the layout
// interface, prepares the preview's two vertical boxes, runs the template's
// layout member and then prints the page or opens it for editing.
#pragma once

#include "layout/LayoutContext.h"
#include "layout/LayoutInputs.h"
#include "model/TemplateKeys.h"
#include "preview/PageShape.h"

#include <QString>
#include <memory>
#include <optional>

namespace preview {
class frmNoshiPreView;
}

namespace noshi {

class PrintJobPort;
struct PrintJob;

// LayoutWidth: the text block's width in millimetres for a sheet.
int LayoutWidthFor(const QString& key, int paperWidth, int paperHeight);

using preview::BoxHeights;
using preview::BoxHeightsFor;

// How far one 4-point blank line moves the next column; nullopt when the
// version text is no number.
std::optional<float> SpaceExtentFor(const QString& osType, const QString& versionText,
                                    const QString& measureChar, const QString& measureFont, float gapFontSize);

class PrintDispatcher {
public:
    static inline const QString NoSizeMessage = QStringLiteral("のし紙サイズが選択されていません。");
    static inline const QString NotFoundMessage = QStringLiteral("選択されたのし紙サイズが見つかりません。");
    static inline const QString CopiesTitle = QStringLiteral("印刷部数の確認");
    static inline const QString CopiesNotNumberMessage =
        QStringLiteral("印刷部数には１から３２７６７までの数字を入力してください。");
    static inline const QString FailureTitle = QStringLiteral("Caution");
    static inline const QString EditCaptionPrefix = QStringLiteral("編　集 - Sorabeni Print System /  ");
    static inline const QString FreeSizeKey = app::TemplateKey::TanzakuFree;
    static constexpr float FixedSpaceExtent = 1.587502f;

    // How the last run ended.
    enum class Outcome {
        None,
        InputRefused, // a check of the inputs ended the command with a message
        Declined,     // No to the copies question
        Failed,       // a failing step ended the command with a message
        FreeSize,     // the free-size editor took the sheet
        SheetPrinter, // a strip-sheet printer printed the page
        Printed,      // a page printer printed the page
        Edited,       // the page is open in the preview
    };

    // The window the command runs from: what the job is and where it writes back.
    explicit PrintDispatcher(PrintJobPort& window);
    ~PrintDispatcher();
    PrintDispatcher(const PrintDispatcher&) = delete;
    PrintDispatcher& operator=(const PrintDispatcher&) = delete;

    // Hands the dispatcher and the preview window to the main window's
    // hooks, which enables its print and edit commands.
    void install();

    // Mode from the store's EditMode: 1 edit, anything else print.
    void PrintOrPreview();

    Outcome lastOutcome() const { return outcome_; }
    // The message that ended the last run, empty when none.
    QString lastMessage() const { return message_; }

    // The layout's own working fields, kept for the life of the dispatcher.
    layout::LayoutContext& context() { return ctx_; }
    const layout::LayoutInputs& inputs() const { return inputs_; }

    // Edit mode fills the preview but does not show it (tests, tools).
    void setKeepPreviewHidden(bool on) { keepPreviewHidden_ = on; }

private:
    struct Failure {
        QString message;
        QString title;
    };
    [[noreturn]] static void fail(const QString& message, const QString& title = FailureTitle);

    void run();
    bool checkCopies();          // steps 1 and 2; false ends the command
    void prepareMainWindow();    // steps 3 to 9
    void findPage();             // steps 10 to 15
    void setUpMeasuring();       // steps 16 to 18
    void prepareBoxes(preview::frmNoshiPreView& pv); // step 20
    void layOut(preview::frmNoshiPreView& pv);       // steps 21 to 23
    void loadSample(preview::frmNoshiPreView& pv);   // step 24
    void print(preview::frmNoshiPreView& pv);        // step 26
    void openForEditing(preview::frmNoshiPreView& pv); // step 27
    void closingReset();         // step 28
    void setWait(bool on);
    QString currentKey() const;

    PrintJobPort& window_;
    std::unique_ptr<PrintJob> job_; // the job as last read from the window
    layout::LayoutContext ctx_;
    layout::LayoutInputs inputs_;
    Outcome outcome_ = Outcome::None;
    QString message_;
    bool keepPreviewHidden_ = false;
    bool waitOn_ = false;
};

} // namespace noshi
