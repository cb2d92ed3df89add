// Numbered print pages: each a print zone of the network with the layout of its sheet.
#pragma once

#include "model/numbered_collection.h"
#include "printing/drawing_frame.h"
#include "printing/print_zone.h"
#include "printing/title_block_position.h"

#include <cstdint>
#include <string>

class CPrintPages;

// One print page. Its position (1-based, shown as "%i" beside the zone on the plan) shifts as
// pages before it come and go; its id never changes while the collection lives and is never
// stored. A new page is landscape with its title block on the right, no title and no scale on
// the title block.
class CPrintPage
{
public:
    CPrintPage(CPrintPages& owner, std::uint32_t id, int position);
    CPrintPage(const CPrintPage&) = delete;
    CPrintPage& operator=(const CPrintPage&) = delete;
    virtual ~CPrintPage() = default;

    CPrintPages& GetOwner() const { return *m_owner; }
    int GetPosition() const { return m_position; }
    std::string GetPositionText() const { return std::to_string(m_position); }
    std::uint32_t GetId() const { return m_id; }

    bool IsLandscape() const { return m_landscape; }
    void SetLandscape(bool landscape) { m_landscape = landscape; }
    TitleBlockPosition GetTitleBlockPosition() const { return m_titleBlockPosition; }
    void SetTitleBlockPosition(TitleBlockPosition position) { m_titleBlockPosition = position; }
    const std::string& GetPageTitle() const { return m_pageTitle; }
    void SetPageTitle(std::string title) { m_pageTitle = std::move(title); }
    bool GetIndicateScaleOnTitleBlock() const { return m_indicateScale; }
    void SetIndicateScaleOnTitleBlock(bool indicate) { m_indicateScale = indicate; }

    CPrintZone& GetPrintZone() { return m_printZone; }
    const CPrintZone& GetPrintZone() const { return m_printZone; }
    CDrawingFrame& GetDrawingFrame() { return m_drawingFrame; }
    const CDrawingFrame& GetDrawingFrame() const { return m_drawingFrame; }

private:
    template <typename> friend class CNumberedCollection;

    CPrintPages* m_owner;
    int m_position;
    std::uint32_t m_id;
    bool m_landscape = true;
    TitleBlockPosition m_titleBlockPosition = TitleBlockPosition::Right;
    std::string m_pageTitle;
    bool m_indicateScale = false;
    CPrintZone m_printZone;
    CDrawingFrame m_drawingFrame;
};

// The ordered print pages of a document, at most 100. Inserting at a position beyond the end
// first creates the missing pages before it, so a stored page k always lands at position k.
// Ids count from 1001 and are not reused, even after Clear. Whoever keeps a page pointer (the
// document's current page) must drop it before removing or clearing that page.
class CPrintPages
{
public:
    static constexpr int MaxPages = 100;
    static constexpr std::uint32_t FirstId = 1001;

    CPrintPages() = default;
    CPrintPages(const CPrintPages&) = delete;
    CPrintPages& operator=(const CPrintPages&) = delete;
    virtual ~CPrintPages() = default;

    // None when the position is outside 1..100 or the collection is full.
    CPrintPage* InsertPage(int position);
    // Appends; none when full.
    CPrintPage* AddPage() { return InsertPage(GetCount() + 1); }
    bool RemovePage(int position);
    bool RemovePageById(std::uint32_t id);
    // Moves the page at `from` to `to`, both within 1..count.
    bool MovePage(int from, int to);
    void Clear();

    int GetCount() const { return m_pages.GetCount(); }
    // None when out of range or unknown.
    CPrintPage* GetPage(int position) const;
    CPrintPage* GetPageById(std::uint32_t id) const;

private:
    CPrintPage* CreatePageAt(int position);

    CNumberedCollection<CPrintPage> m_pages{FirstId};
};
