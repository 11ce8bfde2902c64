#include "ui/text_page_view.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

namespace sprig {

namespace {

constexpr int kMarginPadding = 4;

const QColor kMarkColour(255, 200, 200);

}  // namespace

class RowNumberMargin final : public QWidget {
public:
    explicit RowNumberMargin(TextPageView& view) : QWidget(&view), view_(view) {}

protected:
    void paintEvent(QPaintEvent* event) override { view_.paintMargin(event); }

private:
    TextPageView& view_;
};

TextPageView::TextPageView(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChanged, this, &TextPageView::textChanged);
}

void TextPageView::showRowNumbers()
{
    if (margin_) return;
    margin_ = new RowNumberMargin(*this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &TextPageView::fitMargin);
    connect(this, &QPlainTextEdit::updateRequest, this, &TextPageView::updateMargin);
    fitMargin();
    margin_->show();
}

int TextPageView::marginWidth() const
{
    if (!margin_) return 0;
    const int digits = static_cast<int>(QString::number(std::max(1, blockCount())).size());
    return 2 * kMarginPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void TextPageView::fitMargin()
{
    setViewportMargins(marginWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    margin_->setGeometry(area.left(), area.top(), marginWidth(), area.height());
}

void TextPageView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    if (margin_) fitMargin();
}

void TextPageView::updateMargin(const QRect& rect, int dy)
{
    if (dy) margin_->scroll(0, dy);
    else margin_->update(0, rect.y(), margin_->width(), rect.height());
}

void TextPageView::paintMargin(QPaintEvent* event)
{
    QPainter painter(margin_);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int width = margin_->width() - kMarginPadding;
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
        if (box.top() > event->rect().bottom()) break;
        if (block.isVisible() && box.bottom() >= event->rect().top())
            painter.drawText(0, static_cast<int>(box.top()), width, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
    }
}

void TextPageView::markRow(int row, const QString& tip)
{
    const QTextBlock block = document()->findBlockByNumber(row - 1);
    markedRow_ = block.isValid() ? row : 0;
    markTip_ = markedRow_ ? tip : QString();
    markRevision_ = document()->revision();
    QList<QTextEdit::ExtraSelection> marks;
    if (markedRow_) {
        QTextEdit::ExtraSelection mark;
        mark.format.setBackground(kMarkColour);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        mark.cursor = QTextCursor(block);
        marks.append(mark);
        setTextCursor(mark.cursor);
        centerCursor();
    }
    setExtraSelections(marks);
}

QString TextPageView::rowToolTip(int row) const { return row == markedRow_ ? markTip_ : QString(); }

bool TextPageView::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QPlainTextEdit::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = rowToolTip(cursorForPosition(help->pos()).blockNumber() + 1);
    if (tip.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), tip, viewport());
    return true;
}

// The mark is dropped after the signal has been handled, never while the
// document is still telling of its change.
void TextPageView::textChanged()
{
    if (!markedRow_ || checkQueued_) return;
    checkQueued_ = true;
    QTimer::singleShot(0, this, &TextPageView::dropMarkIfEdited);
}

void TextPageView::dropMarkIfEdited()
{
    checkQueued_ = false;
    if (markedRow_ && document()->revision() != markRevision_) markRow(0, QString());
}

}  // namespace sprig
