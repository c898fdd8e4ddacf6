#include "preview/PreviewMailbox.h"

#include <QLineEdit>

namespace preview {

namespace {

const QString LoadMarker = QStringLiteral("Load");

std::optional<int> numberIn(const QLineEdit* field)
{
    bool ok = false;
    const int v = field->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

} // namespace

bool PreviewMailbox::pageLoaded() const { return f_.modeMarker->text() == LoadMarker; }
void PreviewMailbox::setPageLoaded(bool on) { f_.modeMarker->setText(on ? LoadMarker : QString()); }

QString PreviewMailbox::sizeName() const { return f_.sizeName->text(); }
void PreviewMailbox::setSizeName(const QString& name) { f_.sizeName->setText(name); }

std::optional<int> PreviewMailbox::rankLabelIndent() const { return numberIn(f_.rankIndent); }
std::optional<int> PreviewMailbox::rankLabelPointSize() const { return numberIn(f_.rankPointSize); }

void PreviewMailbox::setRankLabel(int indent, int pointSize)
{
    f_.rankIndent->setText(QString::number(indent));
    f_.rankPointSize->setText(QString::number(pointSize));
}

void PreviewMailbox::clearRankLabel()
{
    f_.rankIndent->clear();
    f_.rankPointSize->clear();
}

QString PreviewMailbox::inscriptionFile() const { return f_.inscriptionFile->text(); }
void PreviewMailbox::setInscriptionFile(const QString& path) { f_.inscriptionFile->setText(path); }
QString PreviewMailbox::nameFile() const { return f_.nameFile->text(); }
void PreviewMailbox::setNameFile(const QString& path) { f_.nameFile->setText(path); }

QString PreviewMailbox::fileSizeName() const { return f_.fileSizeName->text(); }
void PreviewMailbox::setFileSizeName(const QString& name) { f_.fileSizeName->setText(name); }
QString PreviewMailbox::fileTemplateKey() const { return f_.fileTemplateKey->text(); }
void PreviewMailbox::setFileTemplateKey(const QString& key) { f_.fileTemplateKey->setText(key); }
QString PreviewMailbox::chosenFileName() const { return f_.chosenFileName->text(); }
void PreviewMailbox::setChosenFileName(const QString& name) { f_.chosenFileName->setText(name); }

QString PreviewMailbox::dialogFileName() const { return *f_.dialogFileName; }
void PreviewMailbox::setDialogFileName(const QString& name) { *f_.dialogFileName = name; }

} // namespace preview
