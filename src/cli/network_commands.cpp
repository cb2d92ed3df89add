// show, summary, build-routes, balance, disallow-circular, save.
#include "network_commands.h"

#include "cli_arguments.h"
#include "cli_document.h"
#include "cli_output.h"
#include "network_jobs.h"
#include "network_json.h"
#include "network_summary.h"

#include <CLI/CLI.hpp>
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
    AddNetworkArgument(*command, options.network);
    command->add_option("-o,--out", options.out, "File to write (may be NETWORK itself)")
        ->required()
        ->check(NonEmptyFileName);
    return command;
}

// Load, change, save: nothing is written unless the whole job succeeded.
int Rewrite(const COptions& options, const std::function<void(CCliDocument&)>& change)
{
    CCliDocument document(options.network);
    change(document);
    document.Save(options.out);
    return 0;
}

// Read NETWORK and print one text made from it, with the flows of --flow-group.
void AddPrint(CLI::App& app, CCliAction& action, const char* name, const char* description,
              const std::shared_ptr<COptions>& options,
              std::string (*print)(const CDocumentData&, const CFlowGroup*))
{
    CLI::App* command = app.add_subcommand(name, description);
    AddNetworkArgument(*command, options->network);
    command->add_option("--flow-group", options->flowGroup,
                        "Flows of this flow group (default: the current one)");
    command->callback([options, print, &action] {
        action = [options, print] {
            CCliDocument document(options->network);
            const CFlowGroup* group =
                ChooseFlowGroup(document.Document().GetNetwork(), options->flowGroup);
            WriteToStdout(print(document.Data(), group));
            return 0;
        };
    });
}

} // namespace

void AddNetworkCommands(CLI::App& app, CCliAction& action)
{
    auto options = std::make_shared<COptions>();

    AddPrint(app, action, "show", "Print the network as JSON on stdout", options,
             [](const CDocumentData& document, const CFlowGroup* group) {
                 return NetworkToJson(document.network, &document.labels, group).dump(2) + '\n';
             });
    AddPrint(app, action, "summary", "Print the network as a few tables of plain text", options,
             [](const CDocumentData& document, const CFlowGroup* group) {
                 return NetworkSummary(document.network, group);
             });

    AddRewrite(app, "build-routes", "Build Routes (discover, then normalise proportions), save",
               *options)
        ->callback([options, &action] {
            action = [options] {
                return Rewrite(*options,
                               [](CCliDocument& document) { RunBuildRoutesJob(document); });
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
            return Rewrite(*options, [options](CCliDocument& document) {
                RunBalanceJob(document, {options->arm, options->flowGroup, options->buildRoutes});
            });
        };
    });

    AddRewrite(app, "disallow-circular", "Make Circular Routes Non-Permitted, save", *options)
        ->callback([options, &action] {
            action = [options] {
                return Rewrite(*options, [](CCliDocument& document) {
                    document.Document().MakeCircularRoutesNonPermitted();
                    document.ThrowIfRefused();
                });
            };
        });

    AddRewrite(app, "save", "Load and save unchanged (checks a file, rewrites it in this version)",
               *options)
        ->callback([options, &action] {
            action = [options] {
                return Rewrite(*options, [](CCliDocument&) {});
            };
        });
}
