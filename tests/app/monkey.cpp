// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey.h"

#include "app/planners.h"
#include "budget/budgetdisplay.h"
#include "budget/budgettotals.h"
#include "budget/budgetwindow.h"
#include "core/plannererror.h"
#include "dialogtesting.h"
#include "mortgage/mortgageinputslots.h"
#include "mortgage/mortgagewindow.h"
#include "networth/networthdisplay.h"
#include "networth/networthwindow.h"
#include "savings/savingswindow.h"
#include "shell/greenbox.h"
#include "shell/grid/grid.h"
#include "shell/navigator.h"
#include "shell/plannerwidgets.h"
#include "shell/tallyvaneapp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace tallyvane::testing {
namespace {

constexpr int RecentEvents = 25;

template <typename Widget> QList<Widget*> usable(QWidget& root)
{
    QList<Widget*> found;
    for (Widget* widget : root.findChildren<Widget*>())
        if (widget->isVisible() && widget->isEnabled())
            found.append(widget);
    return found;
}

bool aButtonIsDown(QWidget& root)
{
    const QList<QAbstractButton*> buttons = root.findChildren<QAbstractButton*>();
    return std::any_of(buttons.begin(), buttons.end(), [](const QAbstractButton* button) { return button->isDown(); });
}

// The button an access key or Enter presses is clicked a moment later;
// nobody types faster than that.
void waitForPressedButton(QWidget& root)
{
    if (aButtonIsDown(root))
        (void)QTest::qWaitFor([&root] { return !aButtonIsDown(root); }, 1000);
}

QString nameOf(const QObject* object)
{
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

// What the window shows as results: its result boxes and its grids.
QStringList shownResults(QWidget& window)
{
    QStringList shown;
    for (const ResultLabel* label : window.findChildren<ResultLabel*>())
        shown << nameOf(label) + QStringLiteral("=") + label->text();
    for (const Grid* grid : window.findChildren<Grid*>()) {
        const QAbstractItemModel* model = grid->model();
        for (int row = 0; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column)
                shown << QStringLiteral("%1[%2,%3]=%4")
                             .arg(nameOf(grid))
                             .arg(row)
                             .arg(column)
                             .arg(model->index(row, column).data().toString());
    }
    return shown;
}

QString firstDifference(const QStringList& before, const QStringList& after)
{
    for (qsizetype n = 0; n < std::min(before.size(), after.size()); ++n)
        if (before.at(n) != after.at(n))
            return QStringLiteral("shown %1, calculated afresh %2").arg(before.at(n), after.at(n));
    return QStringLiteral("%1 results shown, %2 calculated afresh").arg(before.size()).arg(after.size());
}

// The digits, point and sign of a text, after the dressing in front of it
// (a currency symbol, kept right-aligned in two places as " $"): how a window
// dresses a figure is its own affair.
QString figureOf(const QString& text, const QString& dressing = {})
{
    QString shown = text.trimmed();
    if (const QString front = dressing.trimmed(); !front.isEmpty() && shown.startsWith(front))
        shown.remove(0, front.size());
    QString figure;
    for (const QChar character : shown)
        if (character.isDigit() || character == u'.' || character == u'-')
            figure += character;
    return figure;
}

// Whether a box shows the figure of its slot, with or without the currency
// symbol in front.
bool showsStoredFigure(const GreenBox& box, const QString& currencySymbol)
{
    const QString stored = figureOf(box.storedValueText(), box.boxLayout().prefix);
    return figureOf(box.text()) == stored || figureOf(box.text(), currencySymbol) == stored;
}

QString labelText(const QWidget& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text() : QStringLiteral("(no %1)").arg(QLatin1String(name));
}

// The totals a budget shows are those of its two lists for the period chosen.
std::optional<QString> budgetTotalsDiffer(const Budget& budget, const QString& symbol)
{
    const char* names[] = {"TotInc", "TotIncBgt", "TotExp", "TotExpBgt", "NetBalance", "NetBalanceBgt"};
    QStringList shown;
    for (const char* name : names)
        shown << labelText(budget, name);
    if (shown.join(QString()).trimmed().isEmpty())
        return std::nullopt;
    const auto* period = budget.findChild<QComboBox*>(QStringLiteral("FreqPeriod"));
    BudgetTotalTexts fresh;
    try {
        fresh = budgetTotalTexts(computeTotals(budget.incomeList(), budget.expenseList()),
                                 DisplayPeriods.at(static_cast<std::size_t>(chosenEntry<int>(period))), symbol);
    } catch (const PlannerError&) {
        // Totals beyond money show nothing.
    }
    const QStringList expected{fresh.income,   fresh.incomeBudgeted, fresh.expenses,
                               fresh.expensesBudgeted, fresh.netBalance, fresh.netBalanceBudgeted};
    if (shown == expected)
        return std::nullopt;
    return QStringLiteral("budget totals: ") + firstDifference(shown, expected);
}

// Unless it says that changes wait for Calculate, a net worth statement
// shows the net worth of its cells.
std::optional<QString> netWorthDiffers(const NetWorthCalc& window, const QString& symbol)
{
    const auto* waiting = window.findChild<QLabel*>(QStringLiteral("NetInfo"));
    const QString shown = labelText(window, "Net");
    if ((waiting != nullptr && waiting->isVisible()) || shown.trimmed().isEmpty())
        return std::nullopt;
    NetWorthSheet fresh = window.sheet();
    try {
        fresh.calculate();
    } catch (const PlannerError&) {
        return std::nullopt;
    }
    if (shown == netWorthText(fresh, symbol))
        return std::nullopt;
    return QStringLiteral("net worth shown %1, calculated afresh %2").arg(shown, netWorthText(fresh, symbol));
}

// A file name the chooser may answer with: samples, files saved earlier in
// the run, damaged and empty files, a folder that does not exist, or a cancel.
const char* const FileChoices[] = {"Sample.BGT", "NetSampl.NWF", "HOME.BGT", "HOME.NWF", "HOUSE.UMD",
                                   "CAR.ULD",    "Junk.BGT",     "Junk.NWF", "Junk.UMD", "Junk.ULD",
                                   "Empty.BGT",  "Empty.UMD",    "NOTE.TXT"};

} // namespace

QString startName(MonkeyStart start)
{
    static const char* const names[] = {"Menu", "Budget", "Savings", "Mortgage", "Loans", "NetWorth", "Graph"};
    return QString::fromLatin1(names[static_cast<int>(start)]);
}

Monkey::Monkey(unsigned seed, QString folder, QString dataFolder)
    : m_seed(seed), m_folder(std::move(folder)), m_dataFolder(std::move(dataFolder)), m_random(seed),
      m_tracing(qEnvironmentVariableIsSet("TALLYVANE_MONKEY_TRACE"))
{
    const QDir files(m_folder);
    for (const char* sample : {"Sample.BGT", "NetSampl.NWF"})
        QFile::copy(QDir(m_dataFolder).filePath(QLatin1String(sample)), files.filePath(QLatin1String(sample)));
    for (const char* junk : {"Junk.BGT", "Junk.NWF", "Junk.UMD", "Junk.ULD", "NOTE.TXT"}) {
        QByteArray bytes;
        for (int n = below(400); n > 0; --n)
            bytes.append(chance(70) ? "0123456789,.\"-\r\n"[below(16)] : static_cast<char>(below(256)));
        QFile file(files.filePath(QLatin1String(junk)));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    for (const char* empty : {"Empty.BGT", "Empty.UMD"}) {
        QFile file(files.filePath(QLatin1String(empty)));
        (void)file.open(QIODevice::WriteOnly);
    }
}

Monkey::~Monkey() = default;

int Monkey::below(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(m_random);
}

std::optional<MonkeyFailure> Monkey::run(MonkeyStart start, int events)
{
    m_start = start;
    // A key typed into a list starts a new search every time, whatever the
    // pace, so that a run does the same on a slow machine as on a fast one.
    QApplication::setKeyboardInputInterval(0);
    startProgram();
    // Dialogs open in event loops of their own, some from a click that
    // comes later (an access key's click lands after a short delay): a timer
    // that keeps looking finds every one of them.
    QTimer watch;
    watch.callOnTimeout([this] { driveDialog(); });
    watch.start(5);

    std::optional<MonkeyFailure> failure;
    for (int event = 1; event <= events && !failure; ++event) {
        scriptAnswers();
        QWidget& frame = m_app->frame();
        if (QApplication::activeModalWidget() == nullptr)
            QApplication::setActiveWindow(&frame);
        const QString where = whereWeAre();
        ++m_figures.eventsIn[where];
        QString what;
        try {
            what = where + QStringLiteral(": ") + oneEvent(frame);
            QApplication::processEvents();
            // Windows closed by the event go now, as they would once the
            // program's own event loop had its turn.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } catch (const std::exception& error) {
            m_escaped = QStringLiteral("an exception got out: ") + QString::fromLocal8Bit(error.what());
        } catch (...) {
            m_escaped = QStringLiteral("an exception got out");
        }
        m_recent.push_back(what.isEmpty() ? where + QStringLiteral(": (the event that threw)") : what);
        if (m_tracing)
            qInfo("%d %s", event, qPrintable(m_recent.back()));
        if (m_recent.size() > RecentEvents)
            m_recent.pop_front();
        m_figures.messages += static_cast<int>(m_services.messages.size() + m_services.questions.size());

        if (std::optional<QString> broken = brokenPromise())
            failure = MonkeyFailure{m_seed, event, *broken, QStringList(m_recent.begin(), m_recent.end())};
        // The user who left the program starts it again.
        if (m_exited)
            startProgram();
        // A run that wandered back to the menu mostly returns to where it
        // began; one begun in a graph goes back to it from its mortgage.
        else if (m_start != MonkeyStart::Menu && whereWeAre() == QLatin1String("Menu") && chance(60))
            enter(m_start);
        else if (m_start == MonkeyStart::Graph && whereWeAre() == QLatin1String("MortgageCalc") && chance(20))
            showGraphAgain();
    }
    m_app.reset();
    QApplication::processEvents();
    return failure;
}

void Monkey::startProgram()
{
    m_app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_app = std::make_unique<TallyvaneApp>(m_dataFolder, &m_services);
    registerPlanners(*m_app);
    // Leaving ends the program's event loop, and every dialog's after it;
    // here the program is left and started again.
    m_exited = false;
    QObject::disconnect(&m_app->navigator(), &Navigator::exitRequested, nullptr, nullptr);
    QObject::connect(&m_app->navigator(), &Navigator::exitRequested, [this] { m_exited = true; });
    m_app->start();
    showActive(m_app->frame());
    enter(m_start);
}

void Monkey::enter(MonkeyStart start)
{
    enterStart(*m_app, start);
}

void enterStart(TallyvaneApp& app, MonkeyStart start)
{
    static const MenuChoice choices[] = {MenuChoice::HowTo,    MenuChoice::Budget, MenuChoice::Savings,
                                         MenuChoice::Mortgage, MenuChoice::Loans,  MenuChoice::NetWorth,
                                         MenuChoice::Mortgage};
    if (start == MonkeyStart::Menu)
        return;
    QTest::mouseClick(app.menu().button(choices[static_cast<int>(start)]), Qt::LeftButton);
    QApplication::processEvents();
    PlannerWindow* planner = app.navigator().openPlanner();
    if (start != MonkeyStart::Graph || planner == nullptr)
        return;
    // A 150,000 mortgage at 7 % over 20 years, calculated and drawn.
    SharedValues& values = app.values();
    values.inputValues[MortgageSlot::Principal] = Money::fromWhole(150000);
    values.inputValues[MortgageSlot::Rate] = Money::fromWhole(7);
    values.inputValues[MortgageSlot::TermYears] = Money::fromWhole(20);
    for (GreenBox* box : planner->findChildren<GreenBox*>())
        box->showStoredValue();
    for (const char* button : {"MCalc", "MGraphs"}) {
        QTest::mouseClick(planner->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        QApplication::processEvents();
    }
}

void Monkey::showGraphAgain()
{
    PlannerWindow* planner = m_app->navigator().openPlanner();
    auto* graph = planner != nullptr ? planner->findChild<QPushButton*>(QStringLiteral("MGraphs")) : nullptr;
    if (graph == nullptr || !graph->isVisible() || !graph->isEnabled() || m_app->values().graphPointCount <= 0)
        return;
    QTest::mouseClick(graph, Qt::LeftButton);
    QApplication::processEvents();
}

void Monkey::scriptAnswers()
{
    m_services.messages.clear();
    m_services.messageTexts.clear();
    m_services.questions.clear();
    m_services.questionTexts.clear();
    m_services.recordNumberPresets.clear();
    m_services.insertLinePresets.clear();
    m_services.fileRequests.clear();
    m_services.previews.clear();
    m_services.imagePreviews.clear();
    m_services.yesNoAnswers.clear();
    m_services.recordNumbers.clear();
    m_services.printHeaders.clear();
    m_services.insertLines.clear();
    m_services.filePicks.clear();
    // One event may ask more than once (leaving asks to save, which asks for
    // a name): three answers of each kind, an empty queue answering cancel.
    for (int n = 0; n < 3; ++n) {
        m_services.yesNoAnswers.push_back(chance(50));
        m_services.recordNumbers.push_back(below(12));
        if (chance(70))
            m_services.printHeaders.push_back(QStringLiteral("Monkey %1").arg(below(100)));
        m_services.insertLines.push_back(chance(80) ? QString::number(below(25)) : QStringLiteral("x"));
        const int file = below(static_cast<int>(std::size(FileChoices)) + 2);
        if (file < static_cast<int>(std::size(FileChoices)))
            m_services.filePicks.push_back(QDir(m_folder).filePath(QLatin1String(FileChoices[file])));
        else
            m_services.filePicks.push_back(file == static_cast<int>(std::size(FileChoices))
                                               ? QString()
                                               : QStringLiteral("/no/such/folder/HOME.BGT"));
    }
}

QString Monkey::oneEvent(QWidget& root)
{
    const int kind = below(100);
    if (kind < 52)
        return keyEvent(root);
    if (kind < 80)
        return clickEvent(root);
    if (kind < 90)
        return gridEvent(root);
    return listEvent(root);
}

QString Monkey::keyEvent(QWidget& root)
{
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || (target != &root && !root.isAncestorOf(target)))
        target = &root;
    const QString into = QStringLiteral(" into ") + nameOf(target);
    static const QString typed = QStringLiteral("0123456789.,-$%abcxyzQW \"'/");
    static const Qt::Key moves[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                    Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
    static const QString accessLetters = QStringLiteral("abcdefghilmnoprstuvwxyz");
    const int choice = below(100);
    if (choice < 40) {
        const char character = typed.at(below(typed.size())).toLatin1();
        QTest::keyClick(target, character);
        return QStringLiteral("key '%1'").arg(QLatin1Char(character)) + into;
    }
    struct Named
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    Named key{Qt::Key_Return, Qt::NoModifier, "Enter"};
    if (choice < 52) {
    } else if (choice < 60) {
        key = {Qt::Key_Tab, Qt::NoModifier, "Tab"};
    } else if (choice < 64) {
        key = {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"};
    } else if (choice < 69) {
        key = {Qt::Key_Escape, Qt::NoModifier, "Esc"};
    } else if (choice < 77) {
        key = chance(50) ? Named{Qt::Key_Backspace, Qt::NoModifier, "Backspace"}
                         : Named{Qt::Key_Delete, Qt::NoModifier, "Delete"};
    } else if (choice < 87) {
        key = {moves[below(static_cast<int>(std::size(moves)))], Qt::NoModifier, "a move key"};
    } else if (choice < 95) {
        const QChar letter = accessLetters.at(below(accessLetters.size()));
        QTest::keyClick(target, static_cast<Qt::Key>(Qt::Key_A + (letter.unicode() - u'a')), Qt::AltModifier);
        waitForPressedButton(root);
        return QStringLiteral("Alt+%1").arg(letter) + into;
    } else if (choice < 97) {
        key = {Qt::Key_F1, Qt::NoModifier, "F1"};
    } else {
        key = chance(50) ? Named{Qt::Key_V, Qt::ControlModifier, "Ctrl+V"} : Named{Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"};
    }
    QTest::keyClick(target, key.key, key.modifiers);
    waitForPressedButton(root);
    return QString::fromLatin1(key.name) + into;
}

QString Monkey::clickEvent(QWidget& root)
{
    QList<QWidget*> targets;
    for (QAbstractButton* button : usable<QAbstractButton>(root))
        targets.append(button);
    for (QLineEdit* box : usable<QLineEdit>(root))
        if (qobject_cast<QComboBox*>(box->parentWidget()) == nullptr)
            targets.append(box);
    if (targets.isEmpty())
        return keyEvent(root);
    QWidget* target = targets.at(below(targets.size()));
    const QString name = nameOf(target);
    // Near the left edge, where a check box or option has its mark.
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(std::min(4, target->width() - 1), target->height() / 2));
    return QStringLiteral("click ") + name;
}

QString Monkey::gridEvent(QWidget& root)
{
    const QList<Grid*> grids = usable<Grid>(root);
    if (grids.isEmpty())
        return keyEvent(root);
    Grid* grid = grids.at(below(grids.size()));
    const QAbstractItemModel* model = grid->model();
    if (model->rowCount() == 0 || model->columnCount() == 0)
        return keyEvent(root);
    const QModelIndex cell = model->index(below(model->rowCount()), below(model->columnCount()));
    grid->scrollTo(cell);
    const QRect place = grid->visualRect(cell);
    if (!place.isValid())
        return keyEvent(root);
    const QString name = QStringLiteral("%1 cell %2,%3").arg(nameOf(grid)).arg(cell.row()).arg(cell.column());
    if (chance(20)) {
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, place.center());
        return QStringLiteral("double-click ") + name;
    }
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, place.center());
    return QStringLiteral("click ") + name;
}

QString Monkey::listEvent(QWidget& root)
{
    const QList<QComboBox*> lists = usable<QComboBox>(root);
    if (lists.isEmpty())
        return keyEvent(root);
    QComboBox* list = lists.at(below(lists.size()));
    list->setFocus(Qt::MouseFocusReason);
    const bool down = chance(50);
    QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
    return QStringLiteral("%1 in list %2").arg(down ? QStringLiteral("Down") : QStringLiteral("Up"), nameOf(list));
}

// Runs inside the dialog's own event loop: a few events, then the close box.
void Monkey::driveDialog()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || m_driving.contains(modal))
        return;
    m_driving.insert(modal);
    ++m_figures.dialogs;
    const QPointer<QWidget> dialog(modal);
    const QString name = nameOf(modal);
    QApplication::setActiveWindow(modal);
    // A timer does not fire again while it runs, so the dialogs this one
    // opens need a watch of their own.
    QTimer watch;
    watch.callOnTimeout([this] { driveDialog(); });
    watch.start(5);
    for (int steps = below(12); steps > 0 && dialog && dialog->isVisible() && !m_escaped; --steps) {
        ++m_figures.eventsIn[name];
        try {
            m_recent.push_back(name + QStringLiteral(": ") + oneEvent(*dialog));
            if (m_tracing)
                qInfo("  %s", qPrintable(m_recent.back()));
            QApplication::processEvents();
        } catch (const std::exception& error) {
            m_escaped = QStringLiteral("an exception got out of %1: %2").arg(name, QString::fromLocal8Bit(error.what()));
        } catch (...) {
            m_escaped = QStringLiteral("an exception got out of ") + name;
        }
        if (m_recent.size() > RecentEvents)
            m_recent.pop_front();
    }
    if (auto* box = qobject_cast<QDialog*>(dialog.data()); box != nullptr && box->isVisible()) {
        box->reject();
        if (box->isVisible())
            box->QDialog::done(QDialog::Rejected);
    }
    m_driving.remove(modal);
}

QString Monkey::whereWeAre() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return nameOf(modal);
    QString where = QStringLiteral("Menu");
    for (const PlannerWindow* window : m_app->frame().findChildren<PlannerWindow*>())
        if (window->isVisible())
            where = QString::fromLatin1(window->metaObject()->className()).remove(QStringLiteral("tallyvane::"));
    return where;
}

std::optional<QString> Monkey::brokenPromise()
{
    if (m_escaped) {
        const QString escaped = *m_escaped;
        m_escaped.reset();
        return escaped;
    }
    if (QApplication::activeModalWidget() != nullptr)
        return QStringLiteral("a dialog stayed open: ") + nameOf(QApplication::activeModalWidget());
    PlannerWindow* planner = m_app->navigator().openPlanner();
    if (planner == nullptr || !planner->isVisible())
        return std::nullopt;
    const SharedValues& values = m_app->values();
    for (const GreenBox* box : planner->findChildren<GreenBox*>()) {
        const FigureBoxLayout& layout = box->boxLayout();
        if (layout.slot < 0 || layout.formatsOwnText || layout.filter == KeyFilterKind::Words || !box->isVisible())
            continue;
        if (box->hasFocus() && values.entryChanged == 1)
            continue; // a figure still being typed
        if (!showsStoredFigure(*box, values.currencySymbol))
            return QStringLiteral("green box %1 shows \"%2\", its slot holds \"%3\" (currency symbol \"%4\")")
                .arg(nameOf(box), box->text(), box->storedValueText(), values.currencySymbol);
    }
    return resultsDifferFromFreshOnes();
}

std::optional<QString> Monkey::resultsDifferFromFreshOnes()
{
    PlannerWindow* planner = m_app->navigator().openPlanner();
    const QString& symbol = m_app->values().currencySymbol;
    if (const auto* budget = qobject_cast<Budget*>(planner)) {
        ++m_figures.resultChecks;
        return budgetTotalsDiffer(*budget, symbol);
    }
    if (const auto* netWorth = qobject_cast<NetWorthCalc*>(planner)) {
        ++m_figures.resultChecks;
        return netWorthDiffers(*netWorth, symbol);
    }

    // The mortgage and savings windows: Calculate, pressed again, must show
    // the very results already shown.
    const char* calculate = qobject_cast<MortgageCalc*>(planner) != nullptr   ? "MCalc"
                            : qobject_cast<SavingsCalc*>(planner) != nullptr ? "SCalc"
                                                                             : nullptr;
    if (calculate == nullptr || m_app->values().graphPointCount <= 0 || m_app->values().entryChanged == 1)
        return std::nullopt;
    auto* button = planner->findChild<QPushButton*>(QLatin1String(calculate));
    if (button == nullptr || !button->isVisible() || !button->isEnabled())
        return std::nullopt;
    const QStringList before = shownResults(*planner);
    const std::size_t messagesBefore = m_services.messages.size();
    // The check leaves the focus where it was, or the user would never type
    // into a box while results are shown.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
    ++m_figures.resultChecks;
    m_recent.push_back(QStringLiteral("(check) click ") + QLatin1String(calculate));
    if (m_recent.size() > RecentEvents)
        m_recent.pop_front();
    if (m_services.messages.size() > messagesBefore)
        return QStringLiteral("results were shown for inputs that Calculate refuses: ") +
               m_services.messageTexts.back();
    const QStringList after = shownResults(*planner);
    if (before != after)
        return QStringLiteral("results differ from a fresh calculation: ") + firstDifference(before, after);
    return std::nullopt;
}

} // namespace tallyvane::testing
