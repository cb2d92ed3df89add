// A synthetic layered graph for routing benchmarks: start nodes, layers fully joined to the next
// layer, and a target group of route-end nodes, so the number of routes is known in advance.
#pragma once

#include "../tests/core/graph/toy_graph.h"

#include <cstddef>
#include <vector>

namespace RoutingBench
{

struct CLayeredGraphShape
{
    std::size_t starts;    // start nodes, each joined to every node of the first layer
    std::size_t layers;    // layers between the starts and the route ends
    std::size_t width;     // nodes per layer, each joined to every node of the next layer
    std::size_t exits;     // route-end nodes of the target group, joined from the last layer
    bool sideExits = true; // an extra route end of another group after every last-layer node

    std::size_t RouteCount() const
    {
        std::size_t count = starts * exits;
        for (std::size_t i = 0; i < layers; ++i)
            count *= width;
        return count;
    }
};

struct CLayeredGraph
{
    RoutingToy::CToyGraph graph;
    std::vector<RoutingToy::CToyNode*> starts;
    RoutingToy::CToyGroup* target = nullptr;
};

inline void BuildLayeredGraph(CLayeredGraph& out, const CLayeredGraphShape& shape)
{
    RoutingToy::CToyGroup* entry = out.graph.AddGroup(1);
    RoutingToy::CToyGroup* middle = out.graph.AddGroup(2);
    out.target = out.graph.AddGroup(3);
    RoutingToy::CToyGroup* other = out.graph.AddGroup(4);

    for (std::size_t i = 0; i < shape.starts; ++i)
        out.starts.push_back(out.graph.AddNode(entry));
    std::vector<RoutingToy::CToyNode*> previous = out.starts;
    for (std::size_t layer = 0; layer < shape.layers; ++layer) {
        std::vector<RoutingToy::CToyNode*> current;
        for (std::size_t i = 0; i < shape.width; ++i)
            current.push_back(out.graph.AddNode(middle));
        for (RoutingToy::CToyNode* from : previous) {
            for (RoutingToy::CToyNode* to : current)
                out.graph.AddEdge(from, to);
        }
        previous = std::move(current);
    }
    std::vector<RoutingToy::CToyNode*> exits;
    for (std::size_t i = 0; i < shape.exits; ++i)
        exits.push_back(out.graph.AddNode(out.target, true));
    for (RoutingToy::CToyNode* from : previous) {
        if (shape.sideExits)
            out.graph.AddEdge(from, out.graph.AddNode(other, true));
        for (RoutingToy::CToyNode* to : exits)
            out.graph.AddEdge(from, to);
    }
}

} // namespace RoutingBench
