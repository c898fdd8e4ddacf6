#include "config/StandardOmote.h"

#include "platform/vb/VbNum.h"

namespace config {

namespace {

struct Slot {
    int slot;
    const char16_t* text;
};

const Slot kSlots[] = {
    {1, u"御年賀"},
    {2, u"御中元"},
    {3, u"御歳暮"},
    {4, u"御年始"},
    {5, u"新春御挨拶"},
    {6, u"寒中御見舞"},
    {7, u"寒中御伺い"},
    {8, u"暑中御見舞"},
    {9, u"暑中御伺い"},
    {10, u"残暑御見舞"},
    {11, u"残暑御伺い"},
    {12, u"粗品"},
    {13, u"寸志"},
    {14, u"寄贈"},
    {15, u"贈呈"},
    {17, u"謹呈"},
    {18, u"進呈"},
    {19, u"献上"},
    {21, u"御礼"},
    {22, u"御禮"},
    {23, u"感謝"},
    {24, u"謝礼"},
    {25, u"謹謝"},
    {26, u"御餞別"},
    {28, u"御見舞"},
    {29, u"陣中御見舞"},
    {30, u"近火御見舞"},
    {31, u"水害御見舞"},
    {32, u"震災御見舞"},
    {33, u"火災御見舞"},
    {34, u"類焼御見舞"},
    {36, u"御祝"},
    {37, u"御安産御祝"},
    {38, u"内祝"},
    {39, u"出産内祝"},
    {40, u"快気祝"},
    {41, u"寿"},
    {44, u"婚礼内祝"},
    {56, u"宮参り御祝"},
    {57, u"初節句御祝"},
    {58, u"七五三御祝"},
    {59, u"御入学御祝"},
    {60, u"御進学御祝"},
    {63, u"御栄転御祝"},
    {64, u"御開店御祝"},
    {65, u"御開業御祝"},
    {66, u"御新築御祝"},
    {67, u"御成人御祝"},
    {68, u"上棟式御祝"},
    {69, u"竣工式御祝"},
    {70, u"落成式御祝"},
    {75, u"御挨拶"},
    {76, u"ご挨拶"},
    {77, u"御伺い"},
    {78, u"御祝儀"},
    {79, u"御詫び"},
    {80, u"粗葉"},
    {81, u"粗菓"},
    {82, u"松の葉"},
    {85, u"志"},
    {87, u"御佛前"},
    {88, u"御霊前"},
    {89, u"御香典"},
    {90, u"御香料"},
    {91, u"御供"},
    {93, u"供養"},
    {94, u"粗供養"},
    {95, u"満中陰"},
    {96, u"満中陰志"},
    {97, u"忌明志"},
    {101, u"御玉串料"},
    {102, u"御榊料"},
    {104, u"奉献"},
    {105, u"粗供養"},
    {107, u"今日志"},
    {110, u"御花料"},
    {111, u"御ミサ料"},
    {119, u"○○回忌志"},
    {130, u"召天記念"},
    {132, u"御神前"},
    {133, u"奉納"},
    {135, u"献供"},
    {138, u"初穂料"},
    {139, u"御祈願料"},
    {141, u"優勝"},
    {142, u"準優勝"},
    {143, u"ドラコン賞"},
    {144, u"ニアピン賞"},
    {145, u"ベスグロ賞"},
    {146, u"ブービー賞"},
    {147, u"参加賞"},
    {148, u"努力賞"},
    {149, u"最優秀賞"},
    {150, u"優秀賞"},
    {151, u"敢闘賞"},
};

} // namespace

QString StandardOmoteTable(int slot)
{
    for (const Slot& s : kSlots) {
        if (s.slot == slot) {
            const QString text = QString::fromUtf16(s.text);
            return QChar(0x3000) + text + QString(5 - text.size(), QChar(0x3000));
        }
    }
    return QString();
}

QStringList StandardOmoteList()
{
    QStringList list;
    for (int slot = 1; slot <= 151; ++slot) {
        const QString text = StandardOmoteTable(slot);
        if (text.startsWith(QChar(0x3000)))
            list << vb::TrimBoth(text);
    }
    return list;
}

} // namespace config
