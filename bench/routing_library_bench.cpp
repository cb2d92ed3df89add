// Route search over a layered graph: the search with the hashed duplicate test against the search
// that copies its route at every step and compares a found route with every held one.
#include "layered_graph.h"
#include "graph/route_discoverer.h"

#include <benchmark/benchmark.h>
#include <stdexcept>

namespace
{

using RoutingBench::CLayeredGraph;
using RoutingBench::CLayeredGraphShape;

// Shapes by the number of routes they give.
CLayeredGraphShape ShapeFor(std::int64_t routes)
{
    switch (routes) {
    case 10000:
        return {2, 4, 5, 8};
    case 20000:
        return {2, 4, 5, 16};
    case 100000:
        return {2, 5, 5, 16};
    default:
        throw std::invalid_argument("no layered graph shape for this route count");
    }
}

void SearchAll(Routing::CDiscoveredRoutes& routes, const CLayeredGraph& layered)
{
    Routing::CRouteDiscoverer discoverer(routes);
    for (const RoutingToy::CToyNode* start : layered.starts)
        discoverer.DiscoverRoutes(*start, *layered.target);
}

void SearchAllPlainly(Routing::CDiscoveredRoutes& routes, const CLayeredGraph& layered)
{
    for (const RoutingToy::CToyNode* start : layered.starts)
        RoutingToy::SearchPlainly(routes, *start, Routing::CEdgeRoute(), *layered.target);
}

template <void (*Search)(Routing::CDiscoveredRoutes&, const CLayeredGraph&)>
void BuildRoutes(benchmark::State& state)
{
    const CLayeredGraphShape shape = ShapeFor(state.range(0));
    CLayeredGraph layered;
    BuildLayeredGraph(layered, shape);
    for (auto _ : state) {
        RoutingToy::CToyRoutes routes;
        Search(routes, layered);
        if (routes.GetCount() != shape.RouteCount())
            state.SkipWithError("unexpected route count");
        state.PauseTiming(); // destroying the routes is not part of building them
        routes.RemoveAllRoutes();
        state.ResumeTiming();
    }
    state.counters["routes"] = static_cast<double>(shape.RouteCount());
}

// Every route found again is a duplicate: the cost of building again on an unchanged network.
template <void (*Search)(Routing::CDiscoveredRoutes&, const CLayeredGraph&)>
void RebuildRoutes(benchmark::State& state)
{
    const CLayeredGraphShape shape = ShapeFor(state.range(0));
    CLayeredGraph layered;
    BuildLayeredGraph(layered, shape);
    RoutingToy::CToyRoutes routes;
    SearchAll(routes, layered);
    for (auto _ : state) {
        Search(routes, layered);
        if (routes.GetCount() != shape.RouteCount())
            state.SkipWithError("rebuilding added routes");
    }
    state.counters["routes"] = static_cast<double>(shape.RouteCount());
}

void BM_LayeredSearch(benchmark::State& state)
{
    BuildRoutes<SearchAll>(state);
}
void BM_LayeredSearchOneByOne(benchmark::State& state)
{
    BuildRoutes<SearchAllPlainly>(state);
}
void BM_LayeredResearch(benchmark::State& state)
{
    RebuildRoutes<SearchAll>(state);
}
void BM_LayeredResearchOneByOne(benchmark::State& state)
{
    RebuildRoutes<SearchAllPlainly>(state);
}

BENCHMARK(BM_LayeredSearch)->Arg(10000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayeredResearch)->Arg(10000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
// One-by-one is quadratic in the routes held: kept to sizes that finish in seconds.
BENCHMARK(BM_LayeredSearchOneByOne)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayeredResearchOneByOne)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
