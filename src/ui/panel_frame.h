#pragma once
// The widget of a panel: a window for top-level panels, a plain child widget for child
// panels and tab pages. Its close box raises EVENT_CLOSE instead of closing; the
// panel callback decides. A right click or right double click on the panel's empty
// area goes to the panel callback. Escape in a panel installed as pop-up asks to close
// it, as its close box does.

#include <QWidget>

class PanelFrame : public QWidget
{
    Q_OBJECT

  public:
    PanelFrame(int handle, QWidget *parent);
    int handle() const { return handle_; }

  protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    bool onEmptyArea(const QMouseEvent *event) const;

    int handle_;
};
