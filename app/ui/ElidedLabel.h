// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>

// A label limited to a number of lines; text that does not fit ends in an ellipsis.
class ElidedLabel final : public QLabel
{
    Q_OBJECT

public:
    ElidedLabel(int maximumLines, QWidget* parent = nullptr);

    void setFullText(const QString& text);
    const QString& fullText() const { return m_fullText; }
    // True while the text shown is shorter than the full text.
    bool isElided() const { return m_elided; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString elided(int width, int* lines = nullptr, bool* cut = nullptr) const;
    void relayout();

    int m_maximumLines;
    QString m_fullText;
    bool m_elided = false;
};
