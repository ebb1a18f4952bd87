// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/ElidedLabel.h"

#include <QTest>

class TestElidedLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shortTextStaysWhole();
    void longWordIsShortened();
    void keepsToItsLines();
};

namespace {
const QChar ellipsis(0x2026);
}

void TestElidedLabel::shortTextStaysWhole()
{
    ElidedLabel label(2);
    label.resize(300, 40);
    label.setFullText(QStringLiteral("Hébert and followers guillotined"));
    QCOMPARE(label.text(), label.fullText());
}

void TestElidedLabel::longWordIsShortened()
{
    // One word that cannot wrap, in a narrow label: an ellipsis, never the word cut at the edge.
    ElidedLabel label(1);
    label.resize(30, 20);
    label.setFullText(QStringLiteral("Gregorian"));
    QVERIFY2(label.text().endsWith(ellipsis), qPrintable(label.text()));
    QVERIFY(label.fontMetrics().horizontalAdvance(label.text()) <= 30);
}

void TestElidedLabel::keepsToItsLines()
{
    ElidedLabel label(2);
    label.show();
    label.resize(120, 60);
    label.setFullText(
        QStringLiteral("Property of enemies of Revolution to be redistributed to poor, and more words to wrap"));
    const QStringList lines = label.text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.last().endsWith(ellipsis));
    QCOMPARE(label.heightForWidth(120), 2 * label.fontMetrics().lineSpacing());
    // Wider, it takes fewer lines.
    label.resize(2000, 60);
    QCOMPARE(label.text(), label.fullText());
}

QTEST_MAIN(TestElidedLabel)
#include "TestElidedLabel.moc"
