#include "statistics/Unit23.h"

#include "core/textfile.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "statistics/practicecalendar.h"
#include "statistics/statisticsmodel.h"
#include "ui/barchart.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/generalsettings.h"
#include "ui/mainwindow.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kChoose = QStringLiteral("vyberte..");
const QString kNoPeriod = QStringLiteral("-");
constexpr int kRowHeight = 16;
const QString kWidestDate = QStringLiteral("28.12.2000");
// The percentage axis runs from 0 to 102 in steps of 10: eleven numbers one above another.
constexpr int kPercentNumbers = 11;

} // namespace

TForm23::TForm23(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form23")) {
    setWindowTitle(QStringLiteral("Statistiky"));
    m_saveDialog.filter = QStringLiteral("Bitmapový soubor|*.bmp");
    m_saveDialog.defaultSuffix = QStringLiteral("bmp");
    buildControls();
    setFrame(Frame::FixedWithoutMinimise);
    setFixedClientSize(723, 266);
    centreOnDesktop();
    FormCreate();
}

TForm23::~TForm23() = default;

void TForm23::buildControls() {
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    PageControl1 = named<QTabWidget>(central, "PageControl1");
    column->addWidget(PageControl1, 1);

    auto *values = new QWidget;
    auto *valuesLayout = new QVBoxLayout(values);
    valuesLayout->setContentsMargins(2, 2, 2, 2);
    stg1 = named<QTableView>(values, "stg1");
    m_model = new StatisticsModel(m_table, this);
    stg1->setModel(m_model);
    stg1->setSelectionBehavior(QAbstractItemView::SelectRows);
    stg1->setSelectionMode(QAbstractItemView::SingleSelection);
    stg1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stg1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stg1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stg1->setWordWrap(false);
    stg1->setMouseTracking(true);
    stg1->viewport()->installEventFilter(this);
    stg1->verticalHeader()->hide();
    setRowHeightFittingText(stg1, kRowHeight);
    stg1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    stg1->horizontalHeader()->setHighlightSections(false);
    // The dates, times and kinds of test show whole; the dictionary's name gives them room.
    setColumnWidthsFittingHeaders(stg1, {280, 61, 56, 46, 42, 72, 66, 62},
                                  {QString(), kWidestDate, QStringLiteral("23:58:58"),
                                   QStringLiteral("1000"), QStringLiteral("1000"),
                                   QStringLiteral("100"), QStringLiteral("Ano"),
                                   QStringLiteral("Zkoušení II")});
    valuesLayout->addWidget(stg1);
    PageControl1->addTab(values, QStringLiteral("Hodnoty"));

    auto *charts = new QWidget;
    auto *row = new QHBoxLayout(charts);
    row->setContentsMargins(2, 2, 2, 2);
    auto *controls = new QVBoxLayout;
    Label1 = boldLabel(charts, "Label1", QStringLiteral("Název slovníku:"));
    ComboBox1 = named<QComboBox>(charts, "ComboBox1");
    Label2 = boldLabel(charts, "Label2", QStringLiteral("Co zobrazit:"));
    ComboBox2 = named<QComboBox>(charts, "ComboBox2");
    ComboBox2->addItems({QStringLiteral("Úspěšnost v %"), QStringLiteral("Správné výrazy"),
                         QStringLiteral("Špatné výrazy")});
    ComboBox2->setMaxVisibleItems(3);
    auto *period = named<QGroupBox>(charts, "GroupBox1");
    period->setTitle(QStringLiteral("Období:"));
    auto *periodLayout = new QGridLayout(period);
    ComboBox3 = named<QComboBox>(period, "ComboBox3");
    ComboBox4 = named<QComboBox>(period, "ComboBox4");
    for (QComboBox *box : {ComboBox3, ComboBox4}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setEditText(kNoPeriod);
        setMinimumWidthForText(box, kWidestDate);
    }
    auto *from = named<QLabel>(period, "Label3");
    from->setText(QStringLiteral("od:"));
    auto *to = named<QLabel>(period, "Label4");
    to->setText(QStringLiteral("do:"));
    periodLayout->addWidget(from, 0, 0);
    periodLayout->addWidget(ComboBox3, 0, 1);
    periodLayout->addWidget(to, 1, 0);
    periodLayout->addWidget(ComboBox4, 1, 1);
    BitBtn2 = named<QPushButton>(charts, "BitBtn2");
    BitBtn2->setText(QStringLiteral("Zobraz"));
    BitBtn2->setToolTip(QStringLiteral("Zobrazíte graf s vybranými hodnotami"));
    BitBtn3 = named<QPushButton>(charts, "BitBtn3");
    BitBtn3->setText(QStringLiteral("Ulož"));
    BitBtn3->setToolTip(QStringLiteral("Uložení grafu do souboru"));
    makeBold(BitBtn2);
    makeBold(BitBtn3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    controls->addWidget(Label1);
    controls->addWidget(ComboBox1);
    controls->addWidget(Label2);
    controls->addWidget(ComboBox2);
    controls->addWidget(period);
    controls->addLayout(buttons);
    controls->addStretch();
    row->addLayout(controls);

    auto *chartColumn = new QVBoxLayout;
    Chart1 = named<BarChart>(charts, "Chart1");
    Chart1->setAccessibleName(QStringLiteral("Graf"));
    Chart1->setMinimumSize(chartMinimumSize());
    // The window keeps the chart's room while it is hidden.
    QSizePolicy policy = Chart1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Chart1->setSizePolicy(policy);
    Chart1->hide();
    Series1 = Chart1->series();
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setLabelsVisible(true);
    Chart1->setAxis(0, 102, 10);
    CheckBox1 = named<QCheckBox>(charts, "CheckBox1");
    CheckBox1->setText(QStringLiteral("Zobrazit hodnoty"));
    CheckBox1->setChecked(true);
    chartColumn->addWidget(Chart1, 1);
    chartColumn->addWidget(CheckBox1);
    row->addLayout(chartColumn, 1);
    PageControl1->addTab(charts, QStringLiteral("Grafy"));
    buildCalendar();

    BitBtn1 = named<QPushButton>(central, "BitBtn1");
    BitBtn1->setText(QStringLiteral("Zavřít"));
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    column->addLayout(bottom);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm23::ComboBox1Change);
    connect(ComboBox3, &QComboBox::currentTextChanged, this, &TForm23::ComboBox3Change);
    connect(ComboBox4, &QComboBox::currentTextChanged, this, &TForm23::ComboBox4Change);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm23::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm23::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm23::BitBtn1Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm23::CheckBox1Click);
}

void TForm23::buildCalendar() {
    auto *page = new QWidget(PageControl1);
    page->setObjectName(QStringLiteral("calendarPage"));
    auto *layout = new QVBoxLayout(page);
    calendarView = new PracticeCalendar(page);
    calendarView->setObjectName(QStringLiteral("calendarView"));
    layout->addWidget(calendarView);
    auto *grid = new QGridLayout;
    currentStreakLabel =
        captionAndValue(grid, 0, QStringLiteral("Současná řada dní:"), "currentStreakLabel");
    longestStreakLabel =
        captionAndValue(grid, 1, QStringLiteral("Nejdelší řada dní:"), "longestStreakLabel");
    lastWeekLabel = captionAndValue(grid, 2, QStringLiteral("Posledních 7 dní:"), "lastWeekLabel");
    lastMonthLabel =
        captionAndValue(grid, 3, QStringLiteral("Posledních 30 dní:"), "lastMonthLabel");
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addStretch();
    PageControl1->addTab(page, QStringLiteral("Kalendář"));
    connect(PageControl1, &QTabWidget::currentChanged, this, [this, page](int index) {
        if (PageControl1->widget(index) == page)
            showCalendar();
    });
}

void TForm23::showCalendar() {
    const QDate today = platform.clock->now().date();
    const practice::Days days = practiceDays();
    calendarView->setDays(days, today);
    const practice::Streaks streaks = practice::streaks(days, today);
    const auto daysText = [](int count) {
        return QStringLiteral("%1 %2").arg(count).arg(
            count == 1
                ? QStringLiteral("den")
                : (count >= 2 && count <= 4 ? QStringLiteral("dny") : QStringLiteral("dní")));
    };
    currentStreakLabel->setText(daysText(streaks.current));
    longestStreakLabel->setText(daysText(streaks.longest));
    lastWeekLabel->setText(
        QStringLiteral("%1 odpovědí a výrazů").arg(practice::totalOfLastDays(days, today, 7)));
    lastMonthLabel->setText(
        QStringLiteral("%1 odpovědí a výrazů").arg(practice::totalOfLastDays(days, today, 30)));
}

void TForm23::recordPractice(practice::Kind kind) {
    practice::add(m_practicedNow, platform.clock->now().date(), kind);
    if (isVisible() && PageControl1->currentWidget() == calendarView->parentWidget())
        showCalendar();
}

void TForm23::withdrawPractice(practice::Kind kind) {
    const QDate today = platform.clock->now().date();
    if (m_practicedNow.value(today).of(kind) > 0)
        practice::add(m_practicedNow, today, kind, -1);
}

practice::Days TForm23::practiceDays() const {
    practice::Days days = m_practice;
    practice::add(days, m_practicedNow);
    return practice::withStatistics(days, m_table);
}

Result<void> TForm23::savePractice() {
    if (m_practicedNow.isEmpty())
        return {};
    const QString path = platform.folder.userFile(practice::kFileName);
    Result<practice::Days> days = practice::readFile(path);
    if (!days)
        return Failure{days.error() + QStringLiteral(". Dnešní cvičení se do něj neuloží.")};
    practice::add(*days, m_practicedNow);
    if (const Result<void> saved = textfile::saveFile(path, practice::bytes(*days)); !saved)
        return saved;
    m_practice = std::move(days).value();
    m_practicedNow.clear();
    return {};
}

void TForm23::FormCreate() {
    setChartColour(forms.settings ? forms.settings->chartColour() : QColor(Qt::blue));
    loadTable();
}

void TForm23::loadTable() {
    // The day file of our own: a damaged one is told and left as it is (this run's days
    // are not written over it).
    if (Result<practice::Days> days =
            practice::readFile(platform.folder.userFile(practice::kFileName)))
        m_practice = std::move(days).value();
    else
        platform.dialogs->warning(days.error() +
                                  QStringLiteral(". Kalendář ukáže jen dny ze statistik."));
    Result<QStringList> read =
        statisticsfile::readStatisticsFile(platform.folder.userFile(statisticsfile::kFileName));
    if (read) {
        m_table.load(std::move(read).value());
    } else {
        m_loadFailed = true;
        platform.dialogs->error(read.error());
    }
    m_model->refresh();
}

Result<void> TForm23::saveRecordedRows() {
    QStringList written;
    const QString path = platform.folder.userFile(statisticsfile::kFileName);
    if (platform.backups)
        platform.backups->keep(path);
    Result<void> saved =
        statisticsfile::writeStatisticsFile(path, m_table.recordedLines(), &written);
    if (!written.isEmpty()) {
        m_table.load(std::move(written));
        m_model->refresh();
    }
    return saved;
}

void TForm23::saveAtExit() {
    if (const Result<void> practised = savePractice(); !practised)
        platform.dialogs->error(practised.error());
    if (m_table.fileLines().isEmpty())
        return; // no rows: the file is neither created nor touched
    if (m_loadFailed) {
        platform.dialogs->error(
            QStringLiteral("Statistiky nebyly uloženy: soubor %1 se při spuštění nepodařilo "
                           "načíst a jeho přepsáním by se ztratily jeho řádky.")
                .arg(statisticsfile::kFileName));
        return;
    }
    // A save that failed (a full disk) can be tried again once the user has made room;
    // the run's results are given up only when the user says so.
    for (;;) {
        const Result<void> saved = saveRecordedRows();
        if (saved)
            return;
        const int choice = platform.dialogs->choose(
            MessageKind::Error,
            saved.error() +
                QStringLiteral("\n\nVýsledky zkoušení z tohoto spuštění se bez uložení ztratí."),
            {QStringLiteral("Zkusit znovu"), QStringLiteral("Ukončit bez uložení")}, 1);
        if (choice != 0)
            return;
    }
}

bool TForm23::zapisdostatistik(const QString &dictionaryPath, int correct, int wrong,
                               const QString &done, const QString &kind) {
    if (!m_table.record(dictionaryPath, correct, wrong, done, kind, platform.clock->now()))
        return false;
    m_model->refresh();
    return true;
}

void TForm23::withdrawLast() {
    if (m_table.withdrawLast())
        m_model->refresh();
}

void TForm23::naplnslovniky() {
    {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->clear();
        ComboBox1->addItem(kChoose);
        ComboBox1->addItems(statisticsfile::dictionaryNames(m_table));
        ComboBox1->setCurrentIndex(0);
    }
    ComboBox1Change();
}

void TForm23::ComboBox1Change() {
    const QSignalBlocker from(ComboBox3);
    const QSignalBlocker to(ComboBox4);
    ComboBox3->clear();
    ComboBox4->clear();
    if (ComboBox1->currentIndex() <= 0) {
        ComboBox3->setEditText(kNoPeriod);
        ComboBox4->setEditText(kNoPeriod);
        return;
    }
    const QStringList dates = statisticsfile::datesOf(m_table, ComboBox1->currentText());
    ComboBox3->addItems(dates);
    ComboBox4->addItems(dates);
    ComboBox3->setCurrentIndex(0);
    ComboBox4->setCurrentIndex(int(dates.size()) - 1);
}

void TForm23::ComboBox3Change() {
    const auto from = statisticsfile::parseDate(ComboBox3->currentText());
    const auto to = statisticsfile::parseDate(ComboBox4->currentText());
    if (from && to && *from > *to && ComboBox3->count() > 0)
        ComboBox3->setCurrentIndex(0);
}

void TForm23::ComboBox4Change() {
    const auto from = statisticsfile::parseDate(ComboBox3->currentText());
    const auto to = statisticsfile::parseDate(ComboBox4->currentText());
    if (from && to && *to < *from && ComboBox4->count() > 0)
        ComboBox4->setCurrentIndex(ComboBox4->count() - 1);
}

void TForm23::BitBtn2Click() {
    if (ComboBox1->currentIndex() <= 0) {
        platform.dialogs->info(QStringLiteral("Není vybrány žadný slovník"));
        return;
    }
    Chart1->show();
    const QString name = ComboBox1->currentText();
    const statisticsfile::Chart chart =
        statisticsfile::chart(m_table, name, statisticsfile::Quantity(ComboBox2->currentIndex()),
                              ComboBox3->currentText(), ComboBox4->currentText());
    QStringList labels;
    QList<double> values;
    labels.reserve(chart.bars.size());
    values.reserve(chart.bars.size());
    for (const statisticsfile::Bar &bar : chart.bars) {
        labels.append(bar.label);
        values.append(bar.value);
    }
    Series1->setBars(labels, values);
    if (chart.hasAxis) {
        Chart1->setAxis(0, chart.axisMax, chart.step);
        Chart1->setTitle(chart.title);
    }
    if (!chart.stoppedBy.isEmpty())
        platform.dialogs->error(chart.stoppedBy);
}

QSize TForm23::chartMinimumSize() const {
    // The room the window has always given its chart: the title's two lines, the eleven
    // numbers of the percentage axis with room around each, and a date standing on end
    // below the bars, inside the style's layout margins; at least the designed 440 x 200.
    const int layoutMargins = style()->pixelMetric(QStyle::PM_LayoutTopMargin) +
                              style()->pixelMetric(QStyle::PM_LayoutBottomMargin);
    const QFontMetrics text(font());
    const int height = layoutMargins + 64 + 2 * text.lineSpacing() +
                       kPercentNumbers * (text.height() + 10) + text.horizontalAdvance(kWidestDate);
    return QSize(440, 200).expandedTo(QSize(0, height));
}

void TForm23::BitBtn3Click() {
    if (Chart1->isHidden()) {
        platform.dialogs->info(QStringLiteral("Nezobrazený graf nelze uložit!"));
        return;
    }
    const std::optional<QString> path = platform.dialogs->saveFile(m_saveDialog);
    if (!path)
        return;
    m_saveDialog.remember(*path);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // 24 bits a pixel: Qt writes an image without an alpha channel so.
    if (!Chart1->image().convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP")) {
        platform.dialogs->error(QStringLiteral("Graf se nepodařilo převést na obrázek."));
        return;
    }
    const Result<void> saved = textfile::saveFile(*path, bytes);
    if (!saved)
        platform.dialogs->error(saved.error());
}

void TForm23::CheckBox1Click() {
    Series1->setLabelsVisible(CheckBox1->isChecked());
}

void TForm23::BitBtn1Click() {
    close();
}

void TForm23::setChartColour(const QColor &colour) {
    Series1->setColour(colour);
}

QColor TForm23::chartColour() const {
    return Series1->colour();
}

QStringList TForm23::barLabels() const {
    return Series1->labels();
}

QList<int> TForm23::barValues() const {
    QList<int> values;
    values.reserve(Series1->values().size());
    for (const double value : Series1->values())
        values.append(int(value));
    return values;
}

double TForm23::axisMin() const {
    return Chart1->axisMin();
}

int TForm23::axisMax() const {
    return int(Chart1->axisMax());
}

int TForm23::axisStep() const {
    return Chart1->axisStep();
}

QString TForm23::chartTitle() const {
    return Chart1->title();
}

void TForm23::stg1MouseMove(const QPoint &position) {
    const QModelIndex index = stg1->indexAt(position);
    if (!index.isValid())
        return;
    const QPoint cell(index.column(), index.row() + 1);
    if (cell == m_lastHintCell)
        return;
    m_lastHintCell = cell;
    stg1->setToolTip(m_table.cell(index.row(), index.column()));
    QToolTip::hideText();
}

bool TForm23::eventFilter(QObject *watched, QEvent *event) {
    if (watched == stg1->viewport() && event->type() == QEvent::MouseMove)
        stg1MouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
    return VokabForm::eventFilter(watched, event);
}

void TForm23::FormClose() {
    forms.main->showMainWindow();
    setApplicationTitle(QStringLiteral("Vokab"));
    Chart1->hide();
}
