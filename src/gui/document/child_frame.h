// A window of the main window's MDI area that shows one kind of view over the document.
#pragma once

#include "cardfile/document_data.h"
#include "document/document_view.h"

#include <QMdiSubWindow>
#include <optional>

class CCarouselDoc;
class CChildFrame;

// Who decides whether a frame may close (the application, which asks to save the document when
// the frame is its last) and hears that it closed.
class CFrameOwner
{
public:
    virtual ~CFrameOwner() = default;
    virtual bool QueryCloseFrame(CChildFrame& frame) = 0;
    virtual void OnFrameClosed(CChildFrame& frame) = 0;
};

// The frame is the document's view of its kind and index: it registers itself with the
// document while it lives, passes the document's updates to its panes and keeps its title as
// the document's. It remembers its normal (restored) rectangle in the MDI area's coordinates,
// also while maximised or minimised, because that is what the network file keeps, and carries
// the pane state flag of the file from reading to writing.
class CChildFrame : public QMdiSubWindow, public CDocumentView
{
    Q_OBJECT
public:
    CChildFrame(CCarouselDoc& document, CFrameOwner& owner, int kind, int index,
                const QString& kindName);
    ~CChildFrame() override;

    CCarouselDoc& GetDocument() const { return *m_document; }

    // CDocumentView
    void OnUpdate(int hint) override;
    int GetViewKind() const override { return m_kind; }
    int GetViewIndex() const override { return m_index; }
    void Activate() override;

    // The rectangle of the frame shown normally, in the MDI area's coordinates.
    QRect NormalGeometry() const { return m_normalGeometry; }
    void SetNormalGeometry(const QRect& rect);

    // The frame's placement as the network file keeps it.
    virtual CViewPosition GetViewPosition() const;
    // Restores what the frame keeps of a stored position: shown normally at the rectangle when
    // it is usable (the caller checked it against the MDI area), else where the area puts it.
    virtual void ApplyViewPosition(const CViewPosition& position, const std::optional<QRect>& rect);
    // A frame opened without a stored position: the network window fits its network.
    virtual void ApplyDefaultPlacement() {}

    void RefreshTitle();

protected:
    virtual void OnDocumentUpdate(int hint) { (void)hint; }
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RememberNormalGeometry();

    CCarouselDoc* m_document;
    CFrameOwner* m_owner;
    int m_kind;
    int m_index;
    QString m_kindName;
    int m_paneState = 0;
    bool m_registered = true;
    QRect m_normalGeometry;
};
