// View bookkeeping of a document.
#include "document/multi_view_document.h"

#include <algorithm>

void CMultiViewDocument::AddView(CDocumentView* view)
{
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CMultiViewDocument::RemoveView(CDocumentView* view)
{
    std::erase(m_views, view);
}

CDocumentView* CMultiViewDocument::FindView(int kind, int index) const
{
    for (CDocumentView* view : m_views)
        if (view->GetViewKind() == kind && view->GetViewIndex() == index)
            return view;
    return nullptr;
}

bool CMultiViewDocument::OpenView(int kind, int index)
{
    if (CDocumentView* view = FindView(kind, index)) {
        view->Activate();
        return true;
    }
    if (!m_factory)
        return false;
    m_factory(kind, index);
    return true;
}

void CMultiViewDocument::UpdateAllViews(int hint, const CDocumentView* sender)
{
    // A view may add or remove views while it updates; walk a copy.
    const std::vector<CDocumentView*> views = m_views;
    for (CDocumentView* view : views)
        if (view != sender)
            view->OnUpdate(hint);
}
