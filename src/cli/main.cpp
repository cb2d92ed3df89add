// gyrolith-cli: the program's main jobs without a window, for batch work and for tests of the
// whole path. Commands join as the core grows; without one the tool prints its help.
#include <CLI/CLI.hpp>

int main(int argc, char** argv)
{
    CLI::App app{"Gyrolith command-line tool: network files without a window"};
    app.require_subcommand(0, 1);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    if (app.get_subcommands().empty()) {
        std::cout << app.help();
    }
    return 0;
}
