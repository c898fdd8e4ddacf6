// The guide's fixed table. Rows are given as in the printed guide: grouped
// where several inscriptions share one description and one keyword text,
// section headers with the composition of their filling (h: half-width
// blanks, f: full-width blanks, -: hyphens, in order).
#include "app/guide/GuideTable.h"

#include <QStringView>

namespace guide {
namespace {

enum Kind { Header, Rows };

struct Entry {
    int firstRow; // checked while building, so a slipped row cannot go unnoticed
    Kind kind;
    const char* text;        // header heading, or inscriptions separated by "|"
    const char* fill;        // a header's filling, or the rows' description
    const char* keywords;
};

// clang-format off
const Entry kEntries[] = {
    {0, Header, "年間行事", "h1 f8 -40", ""},
    {1, Rows, "御年賀|御年始|新春御挨拶", "元旦から１月初旬まで", "年間行事お年賀お年始ご贈答品冬ご挨拶"},
    {4, Rows, "寒中御見舞", "歳暮・年賀時期をすぎたら　立春まで", "年間行事ご贈答品お見舞い冬ご挨拶"},
    {5, Rows, "寒中御伺い", "歳暮・年賀時期をすぎたら　立春まで", "年間行事ご贈答品お伺い冬ご挨拶"},
    {6, Rows, "御中元", "７月中旬まで　旧盆の地方は８月中旬まで", "年間行事お中元ご贈答品夏ご挨拶"},
    {7, Rows, "暑中御見舞", "中元時期をすぎて立秋まで", "年間行事ご贈答品お見舞い夏ご挨拶"},
    {8, Rows, "暑中御伺い", "中元時期をすぎて立秋まで", "年間行事ご贈答品お伺い夏ご挨拶"},
    {9, Rows, "残暑御見舞", "立秋をすぎたら", "年間行事ご贈答品お見舞い夏ご挨拶"},
    {10, Rows, "残暑御伺い", "立秋をすぎたら", "年間行事ご贈答品お伺い夏ご挨拶"},
    {11, Rows, "御歳暮", "１２月初めから年末まで", "年間行事お歳暮ご贈答品冬ご挨拶"},
    {12, Header, "一般的な贈り物", "h1 f5 -47", ""},
    {13, Rows, "粗品", "目上のひとへちょっとした贈り物", "おみやげお土産ご贈答品粗品"},
    {14, Rows, "寸志", "目下のひとへちょっとした贈り物", "おみやげお土産ご贈答品寸志"},
    {15, Rows, "寄贈", "会社や団体へ贈り物", "寄贈品寄付"},
    {16, Rows, "贈呈", "会社や団体へ贈り物", "贈呈品寄付"},
    {17, Rows, "謹呈", "目上のひとへ贈り物", "謹呈"},
    {18, Rows, "進呈", "目上のひとへ贈り物", "進呈"},
    {19, Rows, "献上", "目上のひとへ贈り物", "献上品"},
    {20, Header, "お礼・謝礼", "h1 f7 -56", ""},
    {21, Rows, "御礼", "お世話になったお礼", "謝礼感謝ご贈答品ご挨拶"},
    {22, Rows, "御禮", "お世話になったお礼　丁寧に", "謝礼感謝ご贈答品ご挨拶"},
    {23, Rows, "感謝|謝礼", "お世話になった感謝の気持ち", "謝礼お礼"},
    {25, Rows, "謹謝", "謹んで感謝の意を表す", "謝礼感謝お礼"},
    {26, Rows, "御餞別", "転居、転勤等の餞別", "お礼謝礼感謝御餞別感謝"},
    {27, Header, "お見舞い", "f8 h1 -89", ""},
    {28, Rows, "御見舞", "病気けが入院のお見舞い", "お見舞い災害見舞い火災見舞い震災見舞いお見舞い類焼見舞いご贈答品"},
    {29, Rows, "陣中御見舞", "陣中お見舞い", "陣中御見舞お見舞い"},
    {30, Rows, "近火御見舞", "近火お見舞い", "近火御見舞お見舞い"},
    {31, Rows, "水害御見舞", "水害お見舞い、災害お見舞い", "水害御見舞お見舞い"},
    {32, Rows, "震災御見舞", "震災お見舞い、災害お見舞い", "震災御見舞お見舞い"},
    {33, Rows, "火災御見舞", "火災お見舞い", "火災御見舞お見舞い"},
    {34, Rows, "類焼御見舞", "類焼お見舞い", "類焼御見舞お見舞い"},
    {35, Header, "出産", "h1 f10 -94", ""},
    {36, Rows, "御祝|御安産御祝", "出産のお祝い", "慶事お祝い祝儀"},
    {38, Rows, "内祝|出産内祝", "出産祝いのお返し", "慶事お礼返礼"},
    {40, Header, "婚礼", "f11 -80 f1", ""},
    {41, Rows, "寿", "□結婚の祝い", "慶事お祝い婚礼祝儀"},
    {42, Rows, "寿", "□結婚披露宴当日の引き物", "慶事お礼婚礼引き出物"},
    {43, Rows, "内祝|婚礼内祝", "□婚礼祝いのお返し", "結婚慶事お礼返礼お返し"},
    {45, Header, "結婚記念日", "f7 h1 -78", ""},
    {46, Rows, "御祝", "結婚記念日のお祝い", "銀婚式金婚式慶事祝儀"},
    {47, Rows, "内祝", "結婚記念日祝のお返し・引き物", "慶事お礼返礼引き出物慶事"},
    {48, Header, "長寿", "f11 h1 -83", ""},
    {49, Rows, "寿", "敬老の日のお祝い", "慶事長寿お祝い祝儀"},
    {50, Rows, "寿", "還暦、米寿、白寿等の祝い", "慶事長寿お祝い祝儀"},
    {51, Rows, "御祝", "敬老の日のお祝い", "慶事長寿お祝い祝儀"},
    {52, Rows, "御祝", "還暦、米寿、白寿等の祝い", "慶事長寿お祝い祝儀"},
    {53, Rows, "内祝", "長寿祝いのお返し・引き物", "慶事長寿お礼返礼引き出物"},
    {54, Header, "その他のお祝い", "f6 h1 -73", ""},
    {55, Rows, "御祝", "お祝い事全般", "慶事お祝い祝儀"},
    {56, Rows, "宮参り御祝", "お宮参りのお祝い", "慶事お祝い祝儀"},
    {57, Rows, "初節句御祝", "初節句のお祝い", "慶事お祝い祝儀"},
    {58, Rows, "七五三御祝", "七五三のお祝い", "慶事お祝い祝儀"},
    {59, Rows, "御入学御祝", "入学のお祝い", "慶事お祝い祝儀"},
    {60, Rows, "御進学御祝", "進学のお祝い", "慶事お祝い祝儀"},
    {61, Rows, "御卒業御祝", "卒業のお祝い", "慶事お祝い祝儀"},
    {62, Rows, "御就職御祝", "就職のお祝い", "慶事お祝い祝儀"},
    {63, Rows, "御栄転御祝", "栄転のお祝い", "慶事お祝い祝儀"},
    {64, Rows, "御開店御祝", "新規開店のお祝い", "慶事お祝い祝儀"},
    {65, Rows, "御開業御祝", "新規開業のお祝い", "慶事お祝い祝儀"},
    {66, Rows, "御新築御祝", "新築のお祝い", "慶事お祝い祝儀"},
    {67, Rows, "御成人御祝", "成人式のお祝い", "慶事お祝い祝儀"},
    {68, Rows, "上棟式御祝", "上棟式のお祝い", "慶事お祝い祝儀"},
    {69, Rows, "竣工式御祝", "竣工式のお祝い", "慶事お祝い祝儀"},
    {70, Rows, "落成式御祝", "落成式のお祝い", "慶事お祝い祝儀"},
    {71, Rows, "内祝", "お祝い事全般のお返し・引き物", "慶事お礼返礼引き出物"},
    {72, Rows, "快気祝|内祝", "□病気見舞のお返し", "全快祝い返礼慶事"},
    {74, Header, "その他", "f10 h1 -63", ""},
    {75, Rows, "御挨拶|ご挨拶", "ご挨拶のしるし", "御挨拶その他"},
    {77, Rows, "御伺い", "あらゆるお見舞い、ご挨拶に", "お伺い御挨拶その他"},
    {78, Rows, "御祝儀", "御祝儀", "お礼感謝その他"},
    {79, Rows, "御詫び", "人に迷惑をかけたとき", "トラブルおわびるその他"},
    {80, Rows, "粗葉", "そこそこの贈り物", "おみやげお土産ご贈答品粗品その他"},
    {81, Rows, "粗菓", "お菓子などの手みやげ", "おみやげお土産ご贈答品粗品その他"},
    {82, Rows, "松の葉", "ちょっとした贈り物", "まつのはその他おみやげお土産ご贈答品粗品"},
    {83, Header, "弔事・一般", "h1 f8 -60", ""},
    {84, Rows, "御霊前", "宗教を問わず　お供え物（香典）", "弔事仏事神事キリスト教御香典"},
    {85, Rows, "志", "宗教を問わず　仏事のお返し（香典返し）", "弔事仏事神事キリスト教返礼"},
    {86, Header, "弔事・仏式", "h1 f8 -60", ""},
    {87, Rows, "御佛前|御霊前|御香典|御香料", "仏式のお供え物（香典）", "弔事仏事御香典"},
    {91, Rows, "御供", "仏式のお供え物（品物）", "弔事仏事"},
    {92, Rows, "志|供養|粗供養|満中陰|満中陰志|忌明志", "仏式の香典返し", "弔事仏事返礼お返し"},
    {98, Header, "弔事・神式", "f8 h1 -50 f1", ""},
    {99, Rows, "御霊前|御神前|御玉串料|御榊料", "神式のお供え物（香典）", "弔事神事御香典仏事"},
    {103, Rows, "御供|奉献", "神式のお供え物（品物）", "弔事神事仏事"},
    {105, Rows, "粗供養|志|今日志", "神式の香典返し", "弔事神事返礼仏事お返し"},
    {108, Header, "弔事・キリスト教式", "h1 f4 -59", ""},
    {109, Rows, "御霊前|御花料", "キリスト教式のお供え物（香典）", "弔事御香典仏事カソリックプロテスタント"},
    {111, Rows, "御ミサ料", "キリスト教式のお供え物", "弔事御香典仏事カソリックプロテスタント"},
    {112, Rows, "志", "キリスト教式の香典返し", "弔事返礼仏事カソリックプロテスタントお返し"},
    {113, Header, "法要・仏式", "h1 f8 -59", ""},
    {114, Rows, "御佛前|御香料", "仏式　法要のお供え物", "弔事仏事法事仏事"},
    {116, Rows, "御供", "仏式　法要のお供え物（品物）", "弔事仏事法事仏事"},
    {117, Rows, "志|粗供養|○○回忌志", "仏式　法要のお返し・引き物", "弔事仏事法事返礼引き出物仏事"},
    {120, Header, "法要・神式", "h1 f8 -59", ""},
    {121, Rows, "御玉串料|御榊料", "神式　法要のお供え物", "弔事神事法事仏事"},
    {123, Rows, "御供|奉献", "神式　法要のお供え物（品物）", "弔事神事法事仏事"},
    {125, Rows, "志|今日志|○○日祭志", "神式　法要のお返し・引き物", "弔事神事法事返礼引き出物仏事"},
    {128, Header, "法要・キリスト教式", "f5 h1 -49", ""},
    {129, Rows, "御花料", "キリスト教式　追悼ミサ・記念式のお供え物", "弔事法事法要追悼式仏事カソリックプロテスタント"},
    {130, Rows, "召天記念", "キリスト教式　追悼ミサ・記念式のお返し", "弔事法事法要返礼追悼式引き出物仏事カソリックプロテスタント"},
    {131, Header, "神事・奉納", "f8 h1 -57", ""},
    {132, Rows, "御神前", "神事全般に", "神事奉納品"},
    {133, Rows, "奉納", "神前にうやうやしく物を捧げる", "神事奉納品"},
    {134, Rows, "奉献", "神前に酒などを供える", "神事奉納品"},
    {135, Rows, "献供", "高額な金品を献上する", "神事奉納品"},
    {136, Rows, "御玉串料|御榊料", "お祓いを受けたとき", "神事奉納お礼"},
    {138, Rows, "初穂料", "お宮参り、結婚式などお祓いを受けたとき", "神事奉納お礼"},
    {139, Rows, "御祈願料", "厄払い、合格祈願などお祓いを受けたとき", "神事奉納お礼"},
    {140, Header, "表彰・その他", "h1 f7 -55", ""},
    {141, Rows, "優勝", "優勝", "一般ゴルフ"},
    {142, Rows, "準優勝", "準優勝", "一般ゴルフ"},
    {143, Rows, "ドラコン賞", "ドラコン賞", "ゴルフ"},
    {144, Rows, "ニアピン賞", "ニアピン賞", "ゴルフ"},
    {145, Rows, "ベスグロ賞", "ベストグロス賞", "ゴルフ"},
    {146, Rows, "ブービー賞", "ブービー賞", "一般ゴルフ"},
    {147, Rows, "参加賞", "参加賞", "一般ゴルフ"},
    {148, Rows, "努力賞", "努力賞", "一般ゴルフ"},
    {149, Rows, "最優秀賞", "最優秀賞", "一般"},
    {150, Rows, "優秀賞", "優秀賞", "一般"},
    {151, Rows, "敢闘賞", "敢闘賞", "一般"},
};
// clang-format on

QString headerText(const QString& heading, const QString& fill)
{
    QString text = heading;
    for (const QString& run : fill.split(u' ', Qt::SkipEmptyParts)) {
        const int count = run.mid(1).toInt();
        switch (run.at(0).unicode()) {
        case 'h': text += QString(count, u' '); break;
        case 'f': text += QString(count, FullBlank); break;
        default: text += QString(count, u'-'); break;
        }
    }
    return text;
}

} // namespace

QString padInscription(const QString& inscription)
{
    QString cell = FullBlank + inscription;
    if (cell.size() < GuideTable::CellWidth)
        cell += QString(GuideTable::CellWidth - cell.size(), FullBlank);
    return cell;
}

QString describe(const QString& description, const QString& keywords)
{
    QString cell = description;
    if (cell.size() < GuideTable::DescriptionWidth)
        cell += QString(GuideTable::DescriptionWidth - cell.size(), FullBlank);
    return cell + keywords;
}

GuideTable GuideTable::build()
{
    GuideTable table;
    table.GuideOmoteList.reserve(Capacity);
    table.GuideList.reserve(Capacity);
    for (const Entry& e : kEntries) {
        if (e.kind == Header) {
            table.GuideOmoteList << headerText(QString::fromUtf8(e.text), QString::fromUtf8(e.fill));
            table.GuideList << QString();
            continue;
        }
        const QString second = describe(QString::fromUtf8(e.fill), QString::fromUtf8(e.keywords));
        for (const QString& inscription : QString::fromUtf8(e.text).split(u'|')) {
            table.GuideOmoteList << padInscription(inscription);
            table.GuideList << second;
        }
    }
    // Rows after the last section stay empty, as do the spare rows up to 200.
    while (table.GuideOmoteList.size() < Capacity) {
        table.GuideOmoteList << QString();
        table.GuideList << QString();
    }
    return table;
}

bool GuideTable::rowNumbersConsistent()
{
    int row = 0;
    for (const Entry& e : kEntries) {
        if (e.firstRow != row)
            return false;
        row += e.kind == Header ? 1 : QString::fromUtf8(e.text).count(u'|') + 1;
    }
    return row == UsedRows - 4; // the last four used rows are empty
}

bool GuideTable::isInscriptionRow(int row) const
{
    const QString& cell = GuideOmoteList.value(row);
    return !cell.isEmpty() && cell.at(0) == FullBlank;
}

} // namespace guide
