#pragma once
// The text view of one tab page of the main window: optionally a margin
// with the row numbers that the error messages count (1-based, one row per
// line of the file), and one marked row with its tool tip.

#include <QPlainTextEdit>

namespace sprig {

class TextPageView final : public QPlainTextEdit {
public:
    explicit TextPageView(QWidget* parent = nullptr);

    void showRowNumbers();
    // Width of the row-number margin; 0 without one.
    int marginWidth() const;

    // Marks the row's background, scrolls to it and puts the cursor at its
    // start; the row's tool tip becomes tip. Row 0 clears the mark, and so
    // does the next change of the text.
    void markRow(int row, const QString& tip);
    int markedRow() const { return markedRow_; }
    // The tool tip shown over a row (1-based): empty but on the marked row.
    QString rowToolTip(int row) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    friend class RowNumberMargin;
    void paintMargin(QPaintEvent* event);
    void updateMargin(const QRect& rect, int dy);
    void fitMargin();
    void textChanged();
    void dropMarkIfEdited();

    QWidget* margin_ = nullptr;
    int markedRow_ = 0;
    QString markTip_;
    // The document's revision when the row was marked: a later one means
    // the text was edited since.
    int markRevision_ = 0;
    bool checkQueued_ = false;
};

}  // namespace sprig
