#include "platform/fonts/Shaper.h"

#include <QHash>
#include <QMutex>

#include <unicode/uchar.h>

namespace fonts {

namespace {

struct Key {
    const LoadedFace* face;
    Flow flow;
    QString text;
    bool operator==(const Key&) const = default;
};

size_t qHash(const Key& k, size_t seed = 0)
{
    return qHashMulti(seed, k.face, int(k.flow), k.text);
}

QVector<ShapedGlyph> shapeNow(const LoadedFace& face, QStringView text, Flow flow)
{
    hb_buffer_t* buf = hb_buffer_create();
    hb_buffer_add_utf16(buf, reinterpret_cast<const uint16_t*>(text.utf16()), int(text.size()), 0,
                        int(text.size()));
    hb_buffer_set_direction(buf, flow == Flow::Vertical ? HB_DIRECTION_TTB : HB_DIRECTION_LTR);
    hb_buffer_set_script(buf, HB_SCRIPT_HAN);
    hb_buffer_set_language(buf, hb_language_from_string("ja", -1));
    hb_shape(face.hbFont(), buf, nullptr, 0);

    unsigned n = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buf, &n);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buf, &n);
    const double em = face.unitsPerEm();
    QVector<ShapedGlyph> out;
    out.reserve(n);
    for (unsigned i = 0; i < n; ++i) {
        ShapedGlyph g;
        g.glyph = info[i].codepoint;
        g.cluster = info[i].cluster;
        g.advance = (flow == Flow::Vertical ? -pos[i].y_advance : pos[i].x_advance) / em;
        g.xOffset = pos[i].x_offset / em;
        g.yOffset = pos[i].y_offset / em;
        out.append(g);
    }
    hb_buffer_destroy(buf);
    return out;
}

} // namespace

QVector<ShapedGlyph> shape(const LoadedFace& face, QStringView text, Flow flow)
{
    static QMutex mutex;
    static QHash<Key, QVector<ShapedGlyph>> cache;
    Key key{&face, flow, text.toString()};
    {
        QMutexLocker lock(&mutex);
        const auto it = cache.constFind(key);
        if (it != cache.constEnd())
            return *it;
    }
    QVector<ShapedGlyph> shaped = shapeNow(face, text, flow);
    QMutexLocker lock(&mutex);
    if (cache.size() > 20000) // a bound for long sessions; pages need far fewer
        cache.clear();
    cache.insert(std::move(key), shaped);
    return shaped;
}

bool standsUpright(char32_t c, const LoadedFace* face)
{
    switch (u_getIntPropertyValue(UChar32(c), UCHAR_VERTICAL_ORIENTATION)) {
    case U_VO_UPRIGHT:
    case U_VO_TRANSFORMED_UPRIGHT:
        return true;
    case U_VO_TRANSFORMED_ROTATED: {
        if (!face)
            return true;
        // The face's vertical form is the glyph that vertical shaping picks
        // in place of the horizontal one.
        const QString one = QString::fromUcs4(&c, 1);
        const QVector<ShapedGlyph> across = shape(*face, one, Flow::Horizontal);
        const QVector<ShapedGlyph> down = shape(*face, one, Flow::Vertical);
        return !across.isEmpty() && !down.isEmpty() && across.first().glyph != down.first().glyph;
    }
    default:
        return false;
    }
}

bool isFullWidth(char32_t c)
{
    switch (u_getIntPropertyValue(UChar32(c), UCHAR_EAST_ASIAN_WIDTH)) {
    case U_EA_FULLWIDTH:
    case U_EA_WIDE:
    case U_EA_AMBIGUOUS:
        return true;
    default:
        return false;
    }
}

} // namespace fonts
