// show, build-routes, balance, disallow-circular, save.
#include "network_commands.h"

#include "network_file.h"
#include "network_jobs.h"
#include "network_json.h"
#include "routing/route_commands.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace
{

// The options of one subcommand; CLI11 writes into them while parsing.
struct COptions
{
    std::string network;
    std::string out;
    std::optional<std::uint32_t> arm;
    std::optional<std::uint32_t> flowGroup;
    bool buildRoutes = false;
};

CLI::App* AddRewrite(CLI::App& app, const char* name, const char* description, COptions& options)
{
    CLI::App* command = app.add_subcommand(name, description);
    command->add_option("NETWORK", options.network, "Network file to read")->required();
    command->add_option("-o,--out", options.out, "File to write (may be NETWORK itself)")
        ->required();
    return command;
}

// Load, change, save: nothing is written unless the whole job succeeded.
int Rewrite(const COptions& options, const std::function<void(CNetwork&)>& change)
{
    CLoadedNetwork loaded = LoadNetworkForCli(options.network);
    change(loaded.document->network);
    SaveNetworkForCli(options.out, loaded);
    return 0;
}

} // namespace

void AddNetworkCommands(CLI::App& app, CCliAction& action)
{
    auto options = std::make_shared<COptions>();

    CLI::App* show = app.add_subcommand("show", "Print the network as JSON on stdout");
    show->add_option("NETWORK", options->network, "Network file to read")->required();
    show->add_option("--flow-group", options->flowGroup,
                     "Flows of this flow group (default: the current one)");
    show->callback([options, &action] {
        action = [options] {
            CLoadedNetwork loaded = LoadNetworkForCli(options->network);
            CNetwork& network = loaded.document->network;
            const CFlowGroup* group = ChooseFlowGroup(network, options->flowGroup);
            const std::string text =
                NetworkToJson(network, &loaded.document->labels, group).dump(2);
            std::cout << text << '\n';
            return 0;
        };
    });

    AddRewrite(app, "build-routes", "Build Routes (discover, then normalise proportions), save",
               *options)
        ->callback([options, &action] {
            action = [options] {
                return Rewrite(*options, [](CNetwork& network) { RunBuildRoutesJob(network); });
            };
        });

    CLI::App* balance =
        AddRewrite(app, "balance",
                   "Balance Lane Flows On All Arms (or on one arm) for the current flow group "
                   "(or the one given), save",
                   *options);
    balance->add_option("--arm", options->arm, "Balance this arm only");
    balance->add_option("--flow-group", options->flowGroup, "Flow group to balance");
    balance->add_flag("--build-routes", options->buildRoutes, "Build routes first");
    balance->callback([options, &action] {
        action = [options] {
            return Rewrite(*options, [options](CNetwork& network) {
                RunBalanceJob(network, {options->arm, options->flowGroup, options->buildRoutes});
            });
        };
    });

    AddRewrite(app, "disallow-circular", "Make Circular Routes Non-Permitted, save", *options)
        ->callback([options, &action] {
            action = [options] {
                return Rewrite(*options,
                               [](CNetwork& network) { MakeCircularRoutesNonPermitted(network); });
            };
        });

    AddRewrite(app, "save", "Load and save unchanged (checks a file, rewrites it in this version)",
               *options)
        ->callback([options, &action] {
            action = [options] {
                return Rewrite(*options, [](CNetwork&) {});
            };
        });
}
