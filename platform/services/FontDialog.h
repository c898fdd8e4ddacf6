// The font dialog of every font command: the family, style and size lists,
// each under a box that takes a typed name, the effects group (strike-through,
// underline, colour), and a Japanese sample in what is chosen. The families
// are listed by the names documents keep ("ＭＳ 明朝" first, then the
// Japanese fonts under their Japanese names, their vertical "@" forms, and the
// rest), so what the user picks is stored under that name, never under the
// name of the face that stands in for it.
#pragma once

#include "platform/services/Dialogs.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {

class FontDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("フォント");
    static inline const QString Sample = QStringLiteral("あぁアァ亜宇Ａａ");
    // Styles in list order: regular, italic, bold, bold italic.
    static const QStringList& styleNames();
    static const QList<int>& sizes();

    // `effects` false: the effects group is not shown and the preset's
    // underline, strike-through and colour come back unchanged.
    FontDialog(const FontChoice& preset, bool effects, QWidget* parent = nullptr);

    // What the lists and the effects group hold now.
    FontChoice choice() const;

    QLineEdit* familyEdit = nullptr;
    QListWidget* familyList = nullptr;
    QLineEdit* styleEdit = nullptr;
    QListWidget* styleList = nullptr;
    QLineEdit* sizeEdit = nullptr;
    QListWidget* sizeList = nullptr;
    QGroupBox* effectsGroup = nullptr;
    QCheckBox* strikeThruBox = nullptr;
    QCheckBox* underlineBox = nullptr;
    QComboBox* colorList = nullptr;
    QLabel* sample = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void accept() override;

private:
    void build(bool effects);
    void preset(const FontChoice& c);
    void selectColor(uint32_t color);
    void followTyping(QLineEdit* edit, QListWidget* list);
    void updateSample();

    FontChoice preset_;
};

} // namespace ui
