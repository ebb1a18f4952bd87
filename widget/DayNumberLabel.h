// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A number drawn with every digit in a cell of the same width, so that the date column keeps
// its width from one day to the next whatever the font's own figures do.
class DayNumberLabel final : public QWidget
{
    Q_OBJECT

public:
    DayNumberLabel(const QString& text, const QFont& font, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int cellWidth() const;

    QString m_text;
};
