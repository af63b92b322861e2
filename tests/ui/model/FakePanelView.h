#pragma once

#include "ui/model/PanelContent.h"
#include "ui/model/PanelView.h"

#include <QList>
#include <QPoint>
#include <QSize>

#include <memory>

/// What one fake panel went through; outlives the view so tests can look after it is gone.
struct FakePanelRecord {
    PanelContent content;
    PanelView::Events events;
    QSize size;
    QList<QPoint> moves;
    bool shown = false;
    bool closed = false;
    bool destroyed = false;
    std::function<void()> fadeDone;

    QPoint position() const { return moves.isEmpty() ? QPoint(-1, -1) : moves.last(); }
    bool fading() const { return bool(fadeDone); }
    /// Ends the fade the way the animation would.
    void finishFade();
};

class FakePanelView final : public PanelView {
public:
    explicit FakePanelView(std::shared_ptr<FakePanelRecord> record)
        : m_record(std::move(record))
    {
    }
    ~FakePanelView() override { m_record->destroyed = true; }

    QSize size() const override { return m_record->size; }
    void moveTo(const QPoint &topLeft) override { m_record->moves.append(topLeft); }
    void show() override { m_record->shown = true; }
    void fadeOut(std::function<void()> done) override { m_record->fadeDone = std::move(done); }
    void close() override { m_record->closed = true; }

private:
    std::shared_ptr<FakePanelRecord> m_record;
};
