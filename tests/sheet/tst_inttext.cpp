#include "common/QuillError.h"
#include "sheet/IntText.h"

#include <QTest>
#include <limits>

using namespace Qt::StringLiterals;

class TestIntText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsIntegers_data();
    void readsIntegers();
    void refusesNonIntegers_data();
    void refusesNonIntegers();
    void writesPlainDecimal_data();
    void writesPlainDecimal();
    void checkedArithmetic_data();
    void checkedArithmetic();
};

void TestIntText::readsIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << u"0"_s << 0;
    QTest::newRow("leading zeros") << u"007"_s << 7;
    QTest::newRow("negative") << u"-12"_s << -12;
    QTest::newRow("plus sign") << u"+3"_s << 3;
    QTest::newRow("dollar hex") << u"$1F"_s << 31;
    QTest::newRow("0x hex") << u"0x10"_s << 16;
    QTest::newRow("0X hex upper digits") << u"0XFF"_s << 255;
    QTest::newRow("negative hex") << u"-$10"_s << -16;
    QTest::newRow("largest") << u"2147483647"_s << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << u"-2147483648"_s << std::numeric_limits<int>::min();
    QTest::newRow("largest hex") << u"$7FFFFFFF"_s << std::numeric_limits<int>::max();
}

void TestIntText::readsIntegers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(IntText::toInt(text), value);
}

void TestIntText::refusesNonIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << u"x"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("leading blank") << u" 5"_s;
    QTest::newRow("trailing blank") << u"5 "_s;
    QTest::newRow("too large") << u"99999999999"_s;
    QTest::newRow("one past largest") << u"2147483648"_s;
    QTest::newRow("one past smallest") << u"-2147483649"_s;
    QTest::newRow("hex beyond range") << u"$FFFFFFFF"_s;
    QTest::newRow("sign only") << u"-"_s;
    QTest::newRow("prefix only") << u"0x"_s;
    QTest::newRow("dollar only") << u"$"_s;
    QTest::newRow("hex digit in decimal") << u"1A"_s;
    QTest::newRow("decimal point") << u"1.5"_s;
    QTest::newRow("two signs") << u"--1"_s;
    QTest::newRow("arabic-indic digit") << u"\u0663"_s;
    QTest::newRow("fullwidth digit") << u"\uFF11"_s;
}

void TestIntText::refusesNonIntegers()
{
    QFETCH(QString, text);
    QVERIFY(!IntText::parse(text).has_value());
    try {
        IntText::toInt(text);
        QFAIL("no error raised");
    } catch (const QuillError &error) {
        QCOMPARE(error.message(), u"'%1' is not a valid integer value"_s.arg(text));
    }
}

void TestIntText::writesPlainDecimal_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << u"0"_s;
    QTest::newRow("negative") << -7 << u"-7"_s;
    QTest::newRow("smallest") << std::numeric_limits<int>::min() << u"-2147483648"_s;
}

void TestIntText::writesPlainDecimal()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(IntText::fromInt(value), text);
}

void TestIntText::checkedArithmetic_data()
{
    QTest::addColumn<char>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<qint64>("expected"); // outside int: overflow expected
    const int max = std::numeric_limits<int>::max();
    const int min = std::numeric_limits<int>::min();
    QTest::newRow("add fits") << '+' << 36 << -3 << qint64(33);
    QTest::newRow("add at max") << '+' << max - 1 << 1 << qint64(max);
    QTest::newRow("add past max") << '+' << max << 1 << qint64(max) + 1;
    QTest::newRow("subtract past min") << '-' << min << 1 << qint64(min) - 1;
    QTest::newRow("subtract fits") << '-' << 0 << max << qint64(-max);
    QTest::newRow("multiply fits") << '*' << 3 << 6 << qint64(18);
    QTest::newRow("multiply past max") << '*' << 900000000 << 3 << qint64(2700000000LL);
    QTest::newRow("multiply negative past min") << '*' << -1 << min << -qint64(min);
}

void TestIntText::checkedArithmetic()
{
    QFETCH(char, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(qint64, expected);
    const auto compute = [&] {
        return op == '+'   ? IntText::add(a, b)
               : op == '-' ? IntText::subtract(a, b)
                           : IntText::multiply(a, b);
    };
    const bool fits =
        expected >= std::numeric_limits<int>::min() && expected <= std::numeric_limits<int>::max();
    if (fits) {
        QCOMPARE(qint64(compute()), expected);
        return;
    }
    try {
        compute();
        QFAIL("no overflow raised");
    } catch (const QuillError &error) {
        QCOMPARE(error.message(), u"Integer overflow"_s);
    }
}

QTEST_APPLESS_MAIN(TestIntText)
#include "tst_inttext.moc"
