#include "platform/services/ProgramLook.h"

#include "platform/fonts/FontCatalog.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <functional>
#include <optional>

namespace ui {

namespace {

// An icon made by `make` the first time it is asked for a picture or size.
class DeferredIcon : public QIconEngine {
public:
    explicit DeferredIcon(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(p, r, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return made_ ? made_->isNull() : false; }
    QString key() const override { return QStringLiteral("DeferredIcon"); }
    QIconEngine* clone() const override { return new DeferredIcon(make_); }

private:
    QIcon& icon()
    {
        if (!made_)
            made_ = make_();
        return *made_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> made_;
};

class ProgramStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap sp, const QStyleOption* option, const QWidget* widget) const override
    {
        if (sp != SP_ToolBarHorizontalExtensionButton && sp != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(sp, option, widget);
        // Made without the option and widget, which may be gone by then;
        // the picture depends only on the layout direction.
        QStyle* base = baseStyle();
        return QIcon(new DeferredIcon([base, sp] { return base->standardIcon(sp, nullptr, nullptr); }));
    }
};

} // namespace

QFont japaneseUiFont(double points)
{
    QFont f(fonts::resolve(QStringLiteral("ＭＳ Ｐゴシック")).family);
    f.setPointSizeF(points);
    return f;
}

void useProgramLook()
{
    QApplication::setFont(japaneseUiFont());
    QApplication::setStyle(new ProgramStyle);
}

} // namespace ui
