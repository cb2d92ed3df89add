// A document shown in several kinds of view at once.
#pragma once

#include "document/document_view.h"
#include "document/semaphored_document.h"

#include <functional>
#include <vector>

// Keeps the document's views (not owned; a view removes itself before it dies), finds one by
// kind and index, and opens a kind of view: an existing one is activated, otherwise the view
// factory that the application installs makes a new frame of that kind.
class CMultiViewDocument : public CSemaphoredDocument
{
public:
    using ViewFactory = std::function<void(int kind, int index)>;

    void AddView(CDocumentView* view);
    void RemoveView(CDocumentView* view);
    const std::vector<CDocumentView*>& GetViews() const { return m_views; }

    CDocumentView* FindView(int kind, int index) const;
    // True when a view was activated or a factory was there to make one.
    bool OpenView(int kind, int index = 0);
    void SetViewFactory(ViewFactory factory) { m_factory = std::move(factory); }

    // Tells every view but the sender, which made the change and is up to date already.
    virtual void UpdateAllViews(int hint, const CDocumentView* sender = nullptr);

private:
    std::vector<CDocumentView*> m_views;
    ViewFactory m_factory;
};
