// SPDX-License-Identifier: MIT
// The typed-key rule of the input boxes, as a pure rule and through real
// line edits.
#include "entryfilter.h"
#include "realinput.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using loopcalc::shell::EntryFilter;
using loopcalc::shell::FilterTypedKey;
using loopcalc::shell::InstallEntryFilters;
using loopcalc::shell::KeyVerdict;
using loopcalc::shell::LocaleDecimalSeparator;

namespace {

// The fourteen input boxes with their limits, and one result box.
struct BoxLimit {
    const char* name;
    int limit;
};
constexpr BoxLimit kBoxes[] = {
    {"txtRadius2", 6}, {"txtTurns2", 4},   {"txtWire2", 6},        {"txtWidth4", 5},       {"txtHeight4", 5},
    {"txtTurns4", 5},  {"txtWireRad4", 6}, {"txtOuterRadius3", 5}, {"txtInnerRadius3", 5}, {"txtTurns3", 4},
    {"txtWidth1", 5},  {"txtHeight1", 5},  {"txtTurns1", 5},       {"txtTrace1", 6},
};

}  // namespace

class EntryFilterTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rule_data();
    void rule();
    void typing_data();
    void typing();
    void localeSeparatorRule_data();
    void localeSeparatorRule();
    void localeSeparatorTyped_data();
    void localeSeparatorTyped();
    void eachBoxAtItsLimit_data();
    void eachBoxAtItsLimit();
    void wholeTextSelectedAtLimit();
    void clipboardShortcutsDoNothing_data();
    void clipboardShortcutsDoNothing();
    void keysWithoutCharacterPassAtLimit();
    void resultBoxIsNotFiltered();
    void installsOnceAndSkipsMissingBoxes();

private:
    QLineEdit* box(const char* name) const { return m_host->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QLineEdit* focused(const char* name) const;

    std::unique_ptr<QWidget> m_host;
};

void EntryFilterTest::init()
{
    loopcalc::testing::HidePlatformNotices();
    m_host = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(m_host.get());
    for (const BoxLimit& entry : kBoxes) {
        auto* edit = new QLineEdit(m_host.get());
        edit->setObjectName(QString::fromLatin1(entry.name));
        layout->addWidget(edit);
    }
    auto* result = new QLineEdit(m_host.get());
    result->setObjectName(QStringLiteral("txtInductance2"));
    layout->addWidget(result);
    InstallEntryFilters(m_host.get());
    m_host->show();
    QApplication::setActiveWindow(m_host.get());
    QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
}

void EntryFilterTest::cleanup()
{
    m_host.reset();
}

QLineEdit* EntryFilterTest::focused(const char* name) const
{
    QLineEdit* edit = box(name);
    edit->setFocus();
    return edit;
}

void EntryFilterTest::rule_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("passes");

    QTest::newRow("digit 0") << int('0') << 0 << 6 << true;
    QTest::newRow("digit 9") << int('9') << 5 << 6 << true;
    QTest::newRow("point") << int('.') << 2 << 6 << true;
    QTest::newRow("backspace empty") << 8 << 0 << 6 << true;
    QTest::newRow("backspace at limit") << 8 << 6 << 6 << true;
    QTest::newRow("backspace past limit") << 8 << 9 << 6 << true;
    QTest::newRow("digit at limit") << int('1') << 4 << 4 << false;
    QTest::newRow("point at limit") << int('.') << 5 << 5 << false;
    QTest::newRow("digit past limit") << int('1') << 8 << 5 << false;
    QTest::newRow("slash below 0") << int('/') << 0 << 6 << false;
    QTest::newRow("colon above 9") << int(':') << 0 << 6 << false;
    QTest::newRow("exponent E") << int('E') << 0 << 6 << false;
    QTest::newRow("exponent e") << int('e') << 0 << 6 << false;
    QTest::newRow("minus") << int('-') << 0 << 6 << false;
    QTest::newRow("plus") << int('+') << 0 << 6 << false;
    QTest::newRow("blank") << int(' ') << 0 << 6 << false;
    QTest::newRow("comma") << int(',') << 0 << 6 << false;
    QTest::newRow("Ctrl+C") << 3 << 0 << 6 << false;
    QTest::newRow("Ctrl+V") << 22 << 0 << 6 << false;
    QTest::newRow("Ctrl+X") << 24 << 0 << 6 << false;
    QTest::newRow("tab") << 9 << 0 << 6 << false;
    QTest::newRow("nul") << 0 << 0 << 6 << false;
    QTest::newRow("full-width digit") << 0xFF11 << 0 << 6 << false;
}

void EntryFilterTest::rule()
{
    QFETCH(int, code);
    QFETCH(int, length);
    QFETCH(int, limit);
    QFETCH(bool, passes);
    QCOMPARE(FilterTypedKey(code, length, limit) == KeyVerdict::Pass, passes);
}

void EntryFilterTest::typing_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("decimal") << "12.5" << "12.5";
    QTest::newRow("letters") << "1a2b" << "12";
    QTest::newRow("exponent") << "1E3" << "13";
    QTest::newRow("minus") << "-3" << "3";
    QTest::newRow("blank") << "1 2" << "12";
    QTest::newRow("comma") << "1,5" << "15";
    QTest::newRow("second point") << "1.2.3" << "1.2.3";
    QTest::newRow("stops at six") << "12345678" << "123456";
    // clang-format on
}

void EntryFilterTest::typing()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    // The rule of a decimal-point locale, whatever the machine's is.
    struct RestoreLocale {
        QLocale saved;
        ~RestoreLocale() { QLocale::setDefault(saved); }
    } restore;
    QLocale::setDefault(QLocale::c());
    QLineEdit* edit = focused("txtRadius2");
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), expected);
}

void EntryFilterTest::localeSeparatorRule_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("separator");
    QTest::addColumn<bool>("passes");
    QTest::newRow("comma where it separates") << int(',') << 0 << int(',') << true;
    QTest::newRow("point there too") << int('.') << 0 << int(',') << true;
    QTest::newRow("comma at the limit") << int(',') << 6 << int(',') << false;
    QTest::newRow("comma where the point separates") << int(',') << 0 << int('.') << false;
    QTest::newRow("arabic separator") << 0x066B << 0 << 0x066B << true;
    QTest::newRow("comma where the arabic separates") << int(',') << 0 << 0x066B << false;
    QTest::newRow("letter never") << int('e') << 0 << int(',') << false;
}

void EntryFilterTest::localeSeparatorRule()
{
    QFETCH(int, code);
    QFETCH(int, length);
    QFETCH(int, separator);
    QFETCH(bool, passes);
    QCOMPARE(FilterTypedKey(code, length, 6, separator) == KeyVerdict::Pass, passes);
}

void EntryFilterTest::localeSeparatorTyped_data()
{
    // clang-format off
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German comma") << int(QLocale::German) << false << "12,5" << "12,5";
    QTest::newRow("German keypad comma") << int(QLocale::German) << true << "12,5" << "12,5";
    QTest::newRow("German point") << int(QLocale::German) << false << "12.5" << "12.5";
    QTest::newRow("German, within six") << int(QLocale::German) << false << "12345,67" << "12345,";
    QTest::newRow("English comma") << int(QLocale::English) << false << "12,5" << "125";
    QTest::newRow("English keypad comma") << int(QLocale::English) << true << "12,5" << "125";
    QTest::newRow("C comma") << int(QLocale::C) << false << "1,2" << "12";
    // clang-format on
}

void EntryFilterTest::localeSeparatorTyped()
{
    QFETCH(int, language);
    QFETCH(bool, keypad);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    struct RestoreLocale {
        QLocale saved;
        ~RestoreLocale() { QLocale::setDefault(saved); }
    } restore;
    QLocale::setDefault(QLocale(static_cast<QLocale::Language>(language)));
    QCOMPARE(LocaleDecimalSeparator(), int(QLocale().decimalPoint().at(0).unicode()));

    QLineEdit* edit = focused("txtRadius2");
    for (const QChar ch : typed) {
        if (keypad && ch == QLatin1Char(',')) {
            QTest::keyClick(edit, Qt::Key_Comma, Qt::KeypadModifier);
        } else {
            QTest::keyClick(edit, ch.toLatin1());
        }
    }
    QCOMPARE(edit->text(), expected);
}

void EntryFilterTest::eachBoxAtItsLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");
    for (const BoxLimit& entry : kBoxes) {
        QTest::newRow(entry.name) << QString::fromLatin1(entry.name) << entry.limit;
    }
}

void EntryFilterTest::eachBoxAtItsLimit()
{
    QFETCH(QString, name);
    QFETCH(int, limit);
    QLineEdit* edit = focused(name.toLatin1().constData());
    QVERIFY(edit != nullptr);

    const QString full = QStringLiteral("1234567890").left(limit);
    QTest::keyClicks(edit, QStringLiteral("1234567890"));
    QCOMPARE(edit->text(), full);

    QTest::keyClick(edit, '7');
    QCOMPARE(edit->text(), full);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), full.left(limit - 1));
    QTest::keyClick(edit, '7');
    QCOMPARE(edit->text(), full.left(limit - 1) + QLatin1Char('7'));
}

void EntryFilterTest::wholeTextSelectedAtLimit()
{
    QLineEdit* edit = focused("txtRadius2");
    edit->setText(QStringLiteral("123456"));
    edit->selectAll();

    QTest::keyClick(edit, '9');
    QCOMPARE(edit->text(), QStringLiteral("123456"));
    QCOMPARE(edit->selectedText(), QStringLiteral("123456"));
    QTest::keyClick(edit, '.');
    QCOMPARE(edit->selectedText(), QStringLiteral("123456"));

    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString());
}

void EntryFilterTest::clipboardShortcutsDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("asSequence");
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << false;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << false;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << false;
    QTest::newRow("Paste sequence") << int(QKeySequence::Paste) << true;
    QTest::newRow("Copy sequence") << int(QKeySequence::Copy) << true;
    QTest::newRow("Cut sequence") << int(QKeySequence::Cut) << true;
}

void EntryFilterTest::clipboardShortcutsDoNothing()
{
    QFETCH(int, key);
    QFETCH(bool, asSequence);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("99"));
    QCOMPARE(clipboard->text(), QStringLiteral("99"));

    QLineEdit* edit = focused("txtWidth1");
    edit->setText(QStringLiteral("12"));
    edit->selectAll();
    QSignalSpy edited(edit, &QLineEdit::textEdited);

    if (asSequence) {
        QTest::keySequence(edit, QKeySequence(static_cast<QKeySequence::StandardKey>(key)));
    } else {
        QTest::keyClick(edit, static_cast<Qt::Key>(key), Qt::ControlModifier);
    }
    QCOMPARE(edit->text(), QStringLiteral("12"));
    QCOMPARE(edit->selectedText(), QStringLiteral("12"));
    QCOMPARE(clipboard->text(), QStringLiteral("99"));
    QCOMPARE(edited.count(), 0);

    // Without the filter the same key acts: the rule, not the key, stops it.
    auto* plain = new QLineEdit(m_host.get());
    plain->setText(QStringLiteral("12"));
    plain->show();
    plain->setFocus();
    plain->selectAll();
    if (asSequence) {
        QTest::keySequence(plain, QKeySequence(static_cast<QKeySequence::StandardKey>(key)));
    } else {
        QTest::keyClick(plain, static_cast<Qt::Key>(key), Qt::ControlModifier);
    }
    QVERIFY(plain->text() != QStringLiteral("12") || clipboard->text() != QStringLiteral("99"));
}

void EntryFilterTest::keysWithoutCharacterPassAtLimit()
{
    QLineEdit* edit = focused("txtTurns3");
    QTest::keyClicks(edit, QStringLiteral("1234"));
    QCOMPARE(edit->cursorPosition(), 4);

    QTest::keyClick(edit, Qt::Key_Left);
    QCOMPARE(edit->cursorPosition(), 3);
    QTest::keyClick(edit, Qt::Key_Home);
    QCOMPARE(edit->cursorPosition(), 0);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("234"));
    QTest::keyClick(edit, Qt::Key_End);
    QCOMPARE(edit->cursorPosition(), 3);
    QTest::keyClick(edit, '5');
    QCOMPARE(edit->text(), QStringLiteral("2345"));
}

void EntryFilterTest::resultBoxIsNotFiltered()
{
    QLineEdit* result = focused("txtInductance2");
    QTest::keyClicks(result, QStringLiteral("5.858 uH, -E"));
    QCOMPARE(result->text(), QStringLiteral("5.858 uH, -E"));
    QVERIFY(result->findChild<EntryFilter*>() == nullptr);
}

void EntryFilterTest::installsOnceAndSkipsMissingBoxes()
{
    InstallEntryFilters(m_host.get());
    QCOMPARE(box("txtRadius2")->findChildren<EntryFilter*>().size(), 1);

    InstallEntryFilters(nullptr);

    QWidget partial;
    auto* turns = new QLineEdit(&partial);
    turns->setObjectName(QStringLiteral("txtTurns3"));
    auto* stray = new QLineEdit(&partial);
    stray->setObjectName(QStringLiteral("txtTurns"));
    InstallEntryFilters(&partial);
    QCOMPARE(turns->findChildren<EntryFilter*>().size(), 1);
    QCOMPARE(turns->findChild<EntryFilter*>()->lengthLimit(), 4);
    QVERIFY(stray->findChild<EntryFilter*>() == nullptr);
}

QTEST_MAIN(EntryFilterTest)
#include "entryfilter_test.moc"
