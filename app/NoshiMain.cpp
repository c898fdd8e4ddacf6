#include "app/NoshiMain.h"

#include "app/ScreenPlacement.h"

#include "model/DataFile.h"
#include "app/InfoPanel.h"
#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "app/Printers.h"
#include "app/PreviewView.h"
#include "platform/richtext/RichTextEdit.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/CharLimit.h"
#include "platform/forms/Controls.h"
#include "platform/forms/UpDown.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/forms/Form.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "platform/services/ProgramLook.h"
#include "platform/settings/SettingsStore.h"
#include "platform/sysinfo/SysInfo.h"
#include "platform/vb/VbNum.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWindow>

namespace app {

namespace {


// Positions in the window's design are in twips from the container's corner.
template <typename W>
W* place(W* w, int left, int top, int width, int height)
{
    w->setGeometry(forms::twipsToPx(left), forms::twipsToPx(top), forms::twipsToPx(width),
                   forms::twipsToPx(height));
    return w;
}

QFrame* captionlessFrame(QWidget* parent)
{
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

void DropDownCombo::showPopup()
{
    emit dropDown();
    QComboBox::showPopup();
}

int outerWidthTwips(const QWidget* w)
{
    const int frame = w->frameGeometry().width() - w->geometry().width();
    return int(forms::pxToTwips(w->width() + (frame > 0 ? frame : 0)));
}

NoshiMain::NoshiMain(QWidget* parent) : QMainWindow(parent)
{
    buildControls();
    buildMenus();
    connectHandlers();
    forms::EnterAsTab::install(this);
}

NoshiMain::~NoshiMain() = default;

// ---------------------------------------------------------------- controls

void NoshiMain::buildControls()
{
    // The design's measures assume the 9-point proportional Gothic.
    setFont(ui::japaneseUiFont());
    auto* client = new QWidget(this);
    setCentralWidget(client);
    // The designed client area is 9810 x 6150 twips.
    client->setMinimumSize(1, 1);
    resize(forms::twipsToPx(9810), forms::twipsToPx(6150) + menuBar()->sizeHint().height());

    Line4 = new QFrame(client);
    Line4->setFrameShape(QFrame::HLine);
    Line4->setStyleSheet(QStringLiteral("color: #808080;"));
    Line4->setGeometry(0, 0, forms::twipsToPx(16200), 1);

    Picture1 = place(new InfoPanel(client), 0, 40, 2955, 5340);
    RichTextBox1 = new rt::RichTextBox(this);
    RichTextBox2 = new rt::RichTextBox(this);
    RichTextBox3 = new rt::RichTextBox(this);
    RichTextBox1View = previewView(RichTextBox1, Picture1, 840, 240, 1350, 2415);
    RichTextBox2View = previewView(RichTextBox2, Picture1, 840, 2640, 1350, 2415);
    RichTextBox1View->hide();
    RichTextBox2View->hide();

    Line1 = new QFrame(client);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setGeometry(0, forms::twipsToPx(5343), forms::twipsToPx(3000), 1);
    Label6 = place(new QLabel(QStringLiteral("のし紙に一括表示ラベルを印刷します"), client), 120, 5520, 9375, 255);
    Label6->setStyleSheet(QStringLiteral("color: #808080;"));

    // Frame1: size, inscription, name style and name.
    Frame1 = place(captionlessFrame(client), 3000, 63, 6615, 2895);
    Label1 = place(new QLabel(QStringLiteral("のし紙サイズ(&N)"), Frame1), 360, 240, 1455, 255);
    Combo1 = place(new QComboBox(Frame1), 360, 480, 3975, 345);
    forms::makeEditableList(Combo1);
    Combo1->setToolTip(QStringLiteral("該当するのし紙サイズがない場合は、「詳細設定」「のし紙サイズ登録」で新規登録してください。　　"));
    Command5 = place(new QPushButton(QStringLiteral("表書き拡張(&K)"), Frame1), 4800, 480, 1575, 375);
    Command5->setToolTip(QStringLiteral("「表書きの肩書き」「表書き２行印刷」が行えます。"));
    Command6 = place(new QPushButton(QStringLiteral("名書き拡張(&Y)"), Frame1), 4800, 840, 1575, 375);
    Command6->setToolTip(QStringLiteral("名書きに「ふりがな」「住所」などが追加できます。"));
    Label2 = place(new QLabel(QStringLiteral("表書き(&A)"), Frame1), 360, 960, 855, 255);
    Label7 = place(new QLabel(QStringLiteral("表書き拡張機能を印刷"), Frame1), 1440, 960, 2175, 255);
    Label7->hide();
    Combo2 = place(new QComboBox(Frame1), 360, 1200, 3975, 345);
    forms::makeEditableList(Combo2);
    Combo2->setToolTip(QStringLiteral("該当する表書きが未登録の場合は、表書きをこのﾃｷｽﾄに直接入力することができます。"));
    Command3 = place(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), Frame1), 4800, 1200, 1575, 375);
    Label3 = place(new QLabel(QStringLiteral("名書きスタイル(&S)"), Frame1), 360, 1860, 1695, 255);
    Combo3 = place(new QComboBox(Frame1), 1800, 1800, 2535, 300);
    forms::makeEditableList(Combo3);
    Command2 = place(new QPushButton(QStringLiteral("名書きﾌｧｲﾙ(&L)"), Frame1), 4800, 1800, 1575, 375);
    Command2->setToolTip(QStringLiteral("名書きファイルリストを開きます。"));
    Label4 = place(new QLabel(QStringLiteral("名書き(&N)"), Frame1), 360, 2160, 1335, 255);
    Text2 = place(new QLineEdit(Frame1), 360, 2400, 3975, 360);
    forms::limitChars(Text2, 18);
    Picture3 = place(new QLabel(Frame1), 4440, 2520, 240, 225);
    Picture3->setPixmap(magnifierPixmap());
    Picture3->setAlignment(Qt::AlignCenter);
    Picture3->setCursor(Qt::PointingHandCursor);
    Picture3->installEventFilter(this);
    Command1 = place(new QPushButton(QStringLiteral("編　　集(&W)"), Frame1), 4800, 2400, 1575, 375);
    Label1->setBuddy(Combo1);
    Label2->setBuddy(Combo2);
    Label3->setBuddy(Combo3);
    Label4->setBuddy(Text2);

    // Frame3: printer, copies, thin ink.
    Frame3 = place(captionlessFrame(client), 3000, 2943, 6615, 1215);
    Label8 = place(new QLabel(QStringLiteral("プリンタ名(&U)"), Frame3), 360, 300, 1215, 255);
    Combo5 = place(new QComboBox(Frame3), 1440, 240, 2895, 300);
    Command7 = place(new QPushButton(QStringLiteral("印　　刷(&P)"), Frame3), 4800, 240, 1575, 375);
    Label9 = place(new QLabel(QStringLiteral("印刷部数(&C)"), Frame3), 360, 680, 975, 255);
    Text1 = place(new QLineEdit(QStringLiteral("1"), Frame3), 1440, 600, 1080, 345);
    Text1->setToolTip(QStringLiteral("印刷部数を入力してください。"));
    Text1->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly);
    UpDown2 = place(new QScrollBar(Qt::Vertical, Frame3), 2240, 645, 255, 270);
    UpDown2->setRange(1, 1000);
    UpDown2->setSingleStep(1);
    UpDown2->setPageStep(1);
    noshi::makeArrowsCountUp(UpDown2);
    UpDown2->setValue(1);
    ProgressBar1 = place(new QProgressBar(Frame3), 2640, 600, 1695, 375);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    Check1 = place(new QCheckBox(QStringLiteral("薄墨印刷(&G)"), Frame3), 4800, 720, 1320, 255);
    Check1->setToolTip(QStringLiteral("薄墨で印刷する場合はチェックします。"));
    Label8->setBuddy(Combo5);
    Label9->setBuddy(Text1);

    // Frame5: print font, company name, 半紙判.
    Frame5 = place(captionlessFrame(client), 3000, 4143, 6615, 1215);
    Label5 = place(new QLabel(QStringLiteral("フォント名(&M)"), Frame5), 360, 300, 1215, 255);
    Combo4 = place(new DropDownCombo(Frame5), 1440, 260, 2895, 300);
    forms::makeEditableList(Combo4);
    Label5->setBuddy(Combo4);
    Check2 = place(new QCheckBox(QStringLiteral("社名を印刷&H)"), Frame5), 4800, 240, 1455, 225);
    Check2->setToolTip(QStringLiteral("のし紙の端に社名を印刷する場合はチェックします。"));
    Option7 = place(new QRadioButton(QStringLiteral("祝のし"), Frame5), 4800, 600, 855, 180);
    Option8 = place(new QRadioButton(QStringLiteral("仏のし"), Frame5), 5640, 600, 855, 180);
    CheckHanshiban = place(new QCheckBox(QStringLiteral("半紙判をＡ４用紙に印刷"), Frame5), 2520, 720, 1695, 255);
    CheckHanshiban->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Option7, Option8, Check2})
        w->adjustSize(), w->resize(std::max(w->width(), 1), std::max(w->height(), forms::twipsToPx(180)));

    // Picture2: the options panel, panned by its scroll bar.
    Picture2 = place(new QWidget(client), 9840, 120, 5295, 5295);
    Frame8 = place(new QFrame(Picture2), 360, 0, 4695, 4815);
    FlatScrollBar1 = place(new QScrollBar(Qt::Horizontal, Picture2), 0, 5040, 5295, 255);
    Frame4 = place(new QGroupBox(QStringLiteral("文字サイズ〈表書き〉"), Frame8), 240, 240, 4095, 975);
    Option11 = place(new QRadioButton(QStringLiteral("標準"), Frame4), 120, 240, 735, 180);
    Option33 = place(new QRadioButton(QStringLiteral("小さめ"), Frame4), 1080, 240, 855, 180);
    Option22 = place(new QRadioButton(QStringLiteral("大きめ"), Frame4), 2040, 240, 855, 180);
    OptionOB = place(new QRadioButton(QStringLiteral("特大"), Frame4), 3120, 240, 735, 180);
    CheckOBold = place(new QCheckBox(QStringLiteral("太字"), Frame4), 240, 600, 1095, 255);
    Frame6 = place(new QGroupBox(QStringLiteral("文字サイズ〈名書き〉"), Frame8), 240, 1320, 4095, 975);
    Option1 = place(new QRadioButton(QStringLiteral("標準"), Frame6), 120, 240, 735, 180);
    Option3 = place(new QRadioButton(QStringLiteral("小さめ"), Frame6), 1080, 240, 855, 180);
    Option2 = place(new QRadioButton(QStringLiteral("大きめ"), Frame6), 2040, 240, 855, 180);
    OptionNB = place(new QRadioButton(QStringLiteral("特大"), Frame6), 3120, 240, 735, 180);
    CheckNBold = place(new QCheckBox(QStringLiteral("太字"), Frame6), 240, 600, 1095, 255);
    Frame7 = place(new QGroupBox(QStringLiteral("短冊の置く位置"), Frame8), 240, 2520, 4095, 1095);
    Option5 = place(new QRadioButton(QStringLiteral("用紙トレイの右側"), Frame7), 120, 240, 1695, 300);
    Option6 = place(new QRadioButton(QStringLiteral("用紙トレイの左側"), Frame7), 2040, 240, 1695, 300);
    Option4 = place(new QRadioButton(QStringLiteral("プリンタの中央"), Frame7), 120, 600, 1575, 300);
    Option9 = place(new QRadioButton(QStringLiteral("すべての用紙を中央"), Frame7), 2040, 600, 1935, 345);
    Frame9 = place(new QGroupBox(QStringLiteral("プリンタの設定"), Frame8), 240, 3720, 4095, 975);
    Check3 = place(new QCheckBox(QStringLiteral("プリンタへ用紙（のし紙）サイズを通知"), Frame9), 120, 240, 3135, 375);
    Check4 = place(new QCheckBox(QStringLiteral("プリンタドライバに依存する"), Frame9), 120, 600, 2655, 255);
    // Captions need the room their font takes on this platform.
    for (QWidget* w : std::initializer_list<QWidget*>{Option11, Option33, Option22, OptionOB, Option1,
                                                      Option3, Option2, OptionNB, CheckOBold, CheckNBold})
        w->resize(w->width(), std::max(w->height(), w->sizeHint().height()));

    // Below the client area: the preview's redraw command, reachable by its key.
    Command9 = place(new QPushButton(QStringLiteral("編集画面の更新(&F)"), client), 6960, 7680, 2055, 375);

    auto hiddenBox = [client](const QString& text = QString()) {
        auto* b = new QLineEdit(text, client);
        b->hide();
        return b;
    };
    txtFile1 = hiddenBox();
    txtFile2 = hiddenBox();
    txtName = hiddenBox();
    txtSize = hiddenBox();
    Text3 = hiddenBox(QStringLiteral("1"));
    Text4 = hiddenBox();
    Text5 = new QLineEdit(Frame5);
    Text5->hide();

    // Enter walks these in this order (hidden and disabled ones are skipped).
    const QList<QWidget*> order = {Combo1, Combo2, Combo3, Text2, Command1, Command2, Command7, Command5,
                                   Command6, Command3, Combo5, Text1, Check1, Combo4, Check2, Option7,
                                   Option8, Check3, Option9, Option6, Option5, Option4, Option11, Option22,
                                   Option33, Option1, Option2, Option3, OptionOB, OptionNB, CheckOBold,
                                   CheckNBold, Check4};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    for (QWidget* w : {static_cast<QWidget*>(Picture3), static_cast<QWidget*>(UpDown2),
                       static_cast<QWidget*>(FlatScrollBar1)})
        w->setFocusPolicy(Qt::NoFocus);
}

QCalendarWidget* NoshiMain::monthView()
{
    if (!MonthView1) {
        // Over the panel's top left corner, on the client area so that it may
        // be larger than the design's box: a month must show whole.
        MonthView1 = place(new QCalendarWidget(centralWidget()), 0, 40, 2325, 2160);
        MonthView1->setFocusPolicy(Qt::NoFocus);
        MonthView1->hide();
    }
    return MonthView1;
}

void NoshiMain::connectHandlers()
{
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::activated, this, [this] { runOmotePreview(); });
    connect(Combo2, &QComboBox::editTextChanged, this, [this] { Combo2_Change(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    connect(Combo3, &QComboBox::editTextChanged, this, [this] { Combo3_Change(); });
    connect(Combo4, &DropDownCombo::dropDown, this, [this] { Combo4_DropDown(); });
    connect(Combo4, &QComboBox::activated, this, [this] { Combo4_Click(); });
    connect(Combo5, &QComboBox::activated, this, [this] { Combo5_Click(); });

    for (QRadioButton* o : {Option1, Option2, Option3, OptionNB})
        connect(o, &QRadioButton::toggled, this, [this](bool on) { if (on) runNamePreview(); });
    for (QRadioButton* o : {Option11, Option22, Option33, OptionOB})
        connect(o, &QRadioButton::toggled, this, [this](bool on) { if (on) runOmotePreview(); });
    connect(CheckNBold, &QCheckBox::stateChanged, this, [this] { runNamePreview(); });
    connect(CheckOBold, &QCheckBox::stateChanged, this, [this] { runOmotePreview(); });
    connect(Check1, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::stateChanged, this, [this] { Check2_Click(); });
    connect(Check3, &QCheckBox::stateChanged, this, [this] { Check3_Click(); });
    connect(Check4, &QCheckBox::stateChanged, this, [this] { Check4_Click(); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(UpDown2, &QScrollBar::valueChanged, this, [this] { UpDown2_Change(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { runNamePreview(); });
    connect(FlatScrollBar1, &QScrollBar::valueChanged, this, [this] { FlatScrollBar1_Change(); });
}

// ---------------------------------------------------------------- life cycle

namespace {

// The option buttons and check boxes the settings keep, in the order they
// are put back: in a group the last option read as on stays on.
struct OptionSetting {
    QRadioButton* NoshiMain::*option;
    bool MainSettings::*value;
};
constexpr OptionSetting OptionSettings[] = {
    {&NoshiMain::Option4, &MainSettings::Toffset4},
    {&NoshiMain::Option5, &MainSettings::Toffset5},
    {&NoshiMain::Option6, &MainSettings::Toffset6},
    {&NoshiMain::Option9, &MainSettings::Toffset9},
    {&NoshiMain::Option7, &MainSettings::Set7},
    {&NoshiMain::Option8, &MainSettings::Set8},
};

struct CheckSetting {
    QCheckBox* NoshiMain::*box;
    int MainSettings::*value;
};
constexpr CheckSetting CheckSettings[] = {
    {&NoshiMain::Check2, &MainSettings::CoPrint},
    {&NoshiMain::Check3, &MainSettings::Printset},
    {&NoshiMain::Check4, &MainSettings::PrintUnset},
    {&NoshiMain::CheckOBold, &MainSettings::OBold},
    {&NoshiMain::CheckNBold, &MainSettings::NBold},
    {&NoshiMain::CheckHanshiban, &MainSettings::Hanshiban},
};

} // namespace

void NoshiMain::applyFirstGroup(const MainSettings& s)
{
    LiveStore& st = store();
    move(cornerOnScreen(QPoint(forms::twipsToPx(s.MainLeft), forms::twipsToPx(s.MainTop)), size()));
    if (s.WindowState == 2)
        setWindowState(Qt::WindowMaximized);
    else if (s.WindowState == 1)
        setWindowState(Qt::WindowMinimized);
    forms::setText(Combo4, s.Font);
    st.UsuzumiColor = s.rtfColor;
    st.FileParth = s.FileParth;
    PictureFile = s.PictureFile;
    for (const OptionSetting& o : OptionSettings)
        forms::setOptionValue(this->*o.option, s.*o.value);
    st.PrinterName = s.PrinterName;
    st.CoNameA = s.CoNameA;
    st.CoNameB = s.CoNameB;
    st.CoPrintSetA = s.CoPrintSetA;
    st.CoPrintSetB = s.CoPrintSetB;
    for (const CheckSetting& c : CheckSettings)
        forms::setCheckValue(this->*c.box, s.*c.value);
    // The company-name choices follow the box even when its value did not change.
    if (forms::checkValue(Check2) != 2) {
        Option7->setVisible(forms::checkValue(Check2) == 1);
        Option8->setVisible(forms::checkValue(Check2) == 1);
    }
}

void NoshiMain::applySizeOptions()
{
    const int n = int(vb::Val(settings_.NFontSize));
    const int o = int(vb::Val(settings_.OFontSize));
    QRadioButton* nameOpts[] = {Option1, Option2, Option3, OptionNB};
    QRadioButton* omoteOpts[] = {Option11, Option22, Option33, OptionOB};
    if (n >= 1 && n <= 4 && vb::Val(settings_.NFontSize) == n)
        forms::setOptionValue(nameOpts[n - 1], true);
    if (o >= 1 && o <= 4 && vb::Val(settings_.OFontSize) == o)
        forms::setOptionValue(omoteOpts[o - 1], true);
}

void NoshiMain::fillPrinterList()
{
    LiveStore& st = store();
    Combo5->clear();
    const QStringList names = installedPrinters();
    int remembered = 0;
    for (int i = 0; i < names.size(); ++i) {
        Combo5->addItem(names[i]);
        if (names[i] == st.PrinterName)
            remembered = i;
    }
    if (!names.isEmpty())
        selectPrinter(names[remembered]);
    Combo5->setCurrentIndex(Combo5->findText(currentPrinterName(), Qt::MatchExactly));
}

void NoshiMain::Form_Load()
{
    LiveStore& st = store();
    loaded_ = true;
    readFirstGroup(settings_);
    // A damaged settings file gave the defaults for what could not be read.
    if (const QString problem = settings::loadProblem(); !problem.isEmpty())
        ui::MsgBox(QStringLiteral("設定ファイルが壊れているため、読めなかった設定は既定値になりました。\n%1\n%2")
                       .arg(settings::storePath(), problem),
                   ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
    applyFirstGroup(settings_);

    // The platform test: this platform reports the NT family.
    Text5->setText(sysinfo::VersionText());
    st.OsType = sysinfo::OsType();
    readOffsets(settings_);
    st.PrOffsetX = settings_.PrOffsetX;
    st.PrOffsetY = settings_.PrOffsetY;

    RichTextBox1View->hide();
    RichTextBox2View->hide();
    RichTextBox1->setVertical(true);
    RichTextBox2->setVertical(true);
    RichTextBox3->setVertical(true);

    applySizeOptions();
    if (!PictureFile.isEmpty())
        Picture1->loadPicture(PictureFile);

    const DataFileResult data = ReadDataFile(st);
    if (!data.ok)
        ui::MsgBox(data.problem, ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
    TextColor = 0;

    Combo1->clear();
    for (int r = 0; r < st.RegSizeCount(); ++r)
        Combo1->addItem(st.size(r).RegSizeName[0]);
    Combo1->setEditText(QString());
    Combo2->clear();
    Combo2->addItem(QStringLiteral("無　地"));
    for (int i = 0; i < st.OmoteCount(); ++i)
        Combo2->addItem(st.omote(i));
    Combo2->setEditText(QString());
    Combo3->clear();
    Combo3->addItems(nameStyleTexts());
    forms::setText(Combo3, Combo3->itemText(0));
    forms::setListIndex(Combo3, 0);

    fillPrinterList();
    catalogue().build();
    // Walks over the store leave these one past their ends.
    st.LoopPos = st.RegSizeCount();
    st.StyleLoop = NameStyleCount;
    setWindowTitle(Caption);
    refreshCommandAvailability();
}

void NoshiMain::Form_Activate()
{
    if (afterFirstPaint_)
        return; // the first activation is still under way: it waits for the paint
    LiveStore& st = store();
    const int p = Combo5->findText(currentPrinterName(), Qt::MatchExactly);
    Combo5->setCurrentIndex(p);
    if (!RichTextBox1View->isVisible())
        DrawInfoPanel();
    if (Text4->text().isEmpty() && st.RegSizeCount() == 0) {
        Text4->setText(QStringLiteral("Null"));
        if (hooks().showSplash) {
            // The welcome is modal: a window shown but not yet painted paints
            // first, so that it does not wait behind the welcome's layout. The
            // status line stays for the welcome's marker, without the text it
            // was built with.
            if (isVisible() && !paintedOnce_ && !isMinimized()) {
                Label6->clear();
                afterFirstPaint_ = [this] {
                    hooks().showSplash();
                    finishActivation();
                };
                return;
            }
            hooks().showSplash();
        }
    }
    finishActivation();
}

void NoshiMain::finishActivation()
{
    LiveStore& st = store();
    const int bulk = hooks().bulkLabelChecked ? hooks().bulkLabelChecked() : 0;
    if (bulk == 1) {
        Label6->setText(QStringLiteral("のし紙に一括表示ラベルを印刷します"));
        Label6->show();
    } else {
        Label6->setText(QString());
        Label6->hide();
    }
    if (Combo4->currentText().startsWith(QLatin1Char('@')))
        Combo4->setEditText(Combo4->currentText().mid(1));
    SyncControlsToSize();

    // A file list closed since the last activation may have named a file to open.
    if (st.PendingOpen == 1 || st.PendingOpen == 2) {
        const auto& field = st.PendingOpen == 1 ? hooks().previewTxtFile1 : hooks().previewTxtFile2;
        const QString f = field ? field() : QString();
        if (!f.isEmpty() && hooks().PrintOrPreview) {
            st.EditMode = 1;
            hooks().PrintOrPreview();
        }
        st.PendingOpen = 0;
    }
}

void NoshiMain::unloadInputWindows()
{
    for (forms::Unloadable* w : hooks().frmTextSub) {
        if (w && w->isLoaded())
            w->unload();
    }
}

void NoshiMain::Form_QueryUnload()
{
    unloadInputWindows();
    for (forms::Unloadable* w : {hooks().Noshisettei, hooks().frmNoshiPreView}) {
        if (w && w->isLoaded())
            w->unload(); // it may stay open; the main window closes all the same
    }
}

MainSettings NoshiMain::collectSettings() const
{
    const LiveStore& st = store();
    MainSettings s = settings_;
    // The frame's corner, as move() takes it back at the next start.
    const QPoint corner = pos();
    s.MainLeft = forms::pxToTwips(corner.x());
    s.MainTop = forms::pxToTwips(corner.y());
    s.MainWidth = forms::pxToTwips(frameGeometry().width());
    s.MainHeight = forms::pxToTwips(frameGeometry().height());
    s.WindowState = isMaximized() ? 2 : 0;
    s.Font = Combo4->currentText();
    s.rtfColor = st.UsuzumiColor;
    s.PrOffsetX = st.PrOffsetX;
    s.PrOffsetY = st.PrOffsetY;
    s.FileParth = st.FileParth;
    s.PictureFile = PictureFile;
    const QRadioButton* nameOpts[] = {Option1, Option2, Option3, OptionNB};
    const QRadioButton* omoteOpts[] = {Option11, Option22, Option33, OptionOB};
    for (int i = 0; i < 4; ++i) {
        if (nameOpts[i]->isChecked())
            s.NFontSize = QString::number(i + 1);
        if (omoteOpts[i]->isChecked())
            s.OFontSize = QString::number(i + 1);
    }
    for (const OptionSetting& o : OptionSettings)
        s.*o.value = (this->*o.option)->isChecked();
    s.PrinterName = currentPrinterName();
    s.CoNameA = st.CoNameA;
    s.CoNameB = st.CoNameB;
    s.CoPrintSetA = st.CoPrintSetA;
    s.CoPrintSetB = st.CoPrintSetB;
    for (const CheckSetting& c : CheckSettings)
        s.*c.value = forms::checkValue(this->*c.box);
    return s;
}

void NoshiMain::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    if (Combo4->currentText().isEmpty())
        return;
    QString error;
    if (!writeAll(collectSettings(), !isMinimized(), &error))
        ui::MsgBox(QStringLiteral("設定を保存できませんでした。\n%1").arg(error), ui::Buttons::Ok,
                   ui::Icon::Exclamation, QStringLiteral("Caution"));
    LiveStore& st = store();
    if (st.mayWriteDataFile()) {
        const DataFileResult r = WriteDataFile(st);
        if (!r.ok)
            ui::MsgBox(r.problem, ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
    }
}

void NoshiMain::closeEvent(QCloseEvent* e)
{
    if (!unloaded_) {
        Form_QueryUnload();
        Form_Unload();
    }
    e->accept();
}

bool NoshiMain::event(QEvent* e)
{
    if (e->type() == QEvent::Paint && !paintedOnce_) {
        paintedOnce_ = true;
        if (afterFirstPaint_)
            QTimer::singleShot(0, this, [this, run = std::exchange(afterFirstPaint_, {})] {
                if (!unloaded_)
                    run();
            });
    }
    if (e->type() == QEvent::WindowActivate && loaded_ && !unloaded_) {
        activatedOnce_ = true;
        Form_Activate();
    }
    if (e->type() == QEvent::Show && loaded_ && !shownOnce_) {
        shownOnce_ = true;
        // The first showing activates the window; where the desktop does not
        // (no window manager), run the activation all the same.
        QTimer::singleShot(0, this, [this] {
            if (!activatedOnce_ && !unloaded_) {
                activatedOnce_ = true;
                Form_Activate();
            }
        });
    }
    return QMainWindow::event(e);
}

void NoshiMain::bringToFront()
{
    if (unloaded_)
        return; // closed for good: its settings are saved already
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

} // namespace app
