// LayoutTemplate: the one layout algorithm of every paper template. It writes
// the inscription column into the inscription box and the name columns, the
// furigana, the address block and the trailing lines into the name box, for
// one TemplateParameterSet.
#pragma once

#include "layout/LayoutContext.h"
#include "layout/LayoutHost.h"
#include "layout/LayoutInputs.h"
#include "layout/TemplateParameterSet.h"

#include <QString>
#include <QStringView>
#include <stdexcept>

namespace rt { class RichTextBox; }

namespace layout {

// A failure inside a layout: ends the layout; the boxes keep what was written.
class LayoutAborted : public std::runtime_error {
public:
    explicit LayoutAborted(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }
private:
    QString message_;
};

struct LayoutResult {
    enum class Status {
        Completed,    // both boxes hold the page
        InvalidInput, // nothing was written; message says which input
        Aborted,      // a failure ended the layout part-way; nothing may be printed
    };
    Status status = Status::Completed;
    QString message;
    bool ok() const { return status == Status::Completed; }
};

// Runs one member. The caller has emptied both boxes and switched them to
// vertical writing. Failures never escape: they come back in the result,
// which the dispatcher turns into a message that ends the command.
LayoutResult LayoutTemplate(const TemplateParameterSet& member, LayoutContext& context,
                            const LayoutInputs& inputs, LayoutHost& host,
                            rt::RichTextBox& omoteBox, rt::RichTextBox& nameBox);

// Checks the inputs the layout relies on; an empty text when they are sound.
QString ValidateLayoutInputs(const LayoutInputs& inputs, const LayoutHost& host);

} // namespace layout
