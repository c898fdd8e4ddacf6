// The fixed list of paper templates (ひな形). Registered sizes, saved files
// and the print dispatcher refer to a row through its seven-character key.
#pragma once

#include <QList>
#include <QString>
#include <array>

namespace app {

struct BuiltinTemplate {
    QString TemplateName;       // key (7 chars) followed by the size text
    int TemplateWidth = 0;      // mm
    int TemplateHeight = 0;     // mm
    int OmoteSizeLen1 = 0;      // pt, inscription of 1 character
    int OmoteSizeLen2 = 0;      // 2 characters
    int OmoteSizeLen3 = 0;      // 3 characters; also the rank label's base size
    int OmoteSizeLen4 = 0;      // 4 or more characters
    int TemplateOmoteUpLimit = 0; // offset steps
    int TemplateNameUpLimit = 0;

    QString key() const { return TemplateName.left(7); }
    bool isEmpty() const { return TemplateName.isEmpty(); }
    // The inscription size for an inscription of `length` characters.
    int omoteSizeForLength(qsizetype length) const;
};

class BuiltinTemplateCatalogue {
public:
    // Rows 0..TemplateCount are defined; the index space runs to Capacity - 1.
    static constexpr int TemplateCount = 78;
    static constexpr int Capacity = 101;
    // 79; its row is no template but holds the fallback upward limits (20, 30).
    static constexpr int NotFound = TemplateCount + 1;

    BuiltinTemplateCatalogue(); // empty until build()

    // Fills rows 0..78; every run builds the same table.
    void build();
    bool isBuilt() const { return built_; }

    // Throws std::out_of_range outside 0..100 (rows 79..100 exist but are empty).
    const BuiltinTemplate& row(int index) const;

    // The rows from `firstRow` to TemplateCount that hold a template, in
    // order; row 0 is the test sheet.
    QList<int> filledRows(int firstRow = 1) const;

    // Linear scan from `firstRow` to TemplateCount comparing keys with their
    // trailing blanks (half- and full-width) removed; NotFound (79) when no row matches.
    int find(const QString& key, int firstRow = 0) const;

    // The first seven characters of a template name picked in a list.
    static QString keyOf(const QString& templateName) { return templateName.left(7); }

private:
    std::array<BuiltinTemplate, Capacity> rows_;
    bool built_ = false;
};

// The catalogue of the installed program context (model/ProgramContext.h),
// built at start-up.
BuiltinTemplateCatalogue& catalogue();

} // namespace app
