#include "platform/fonts/Shaper.h"

#include <QHash>
#include <QMutex>

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

bool standsUpright(char32_t c)
{
    // Latin-1 marks that the Japanese code page holds as full-width characters.
    switch (c) {
    case 0xA7: case 0xA8: case 0xB0: case 0xB1: case 0xB4: case 0xB6: case 0xD7: case 0xF7:
        return true;
    default:
        break;
    }
    if (c < 0x0370)
        return false;
    if (c >= 0xFF61 && c <= 0xFFDC) // half-width katakana and hangul
        return false;
    if (c >= 0xFFE8 && c <= 0xFFEE)
        return false;
    return true;
}

} // namespace fonts
