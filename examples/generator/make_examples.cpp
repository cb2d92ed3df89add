// gyrolith-make-examples DIR: writes the sample networks roundabout.crs and crossroads.crs.
#include "cardfile/carousel_file.h"
#include "example_networks.h"

#include <exception>
#include <filesystem>
#include <iostream>

namespace
{

void Write(const std::filesystem::path& path, void (*build)(CNetwork&), const char* title)
{
    CDocumentData document;
    build(document.network);
    document.project.title = title;
    CLabel* label = document.labels.InsertLabel(1);
    label->SetText(title);
    label->SetSegment({2000.0, 1700.0}, {5000.0, 1700.0});
    // Lane flows in bands by OD and the OD matrix beside the junction, as a user would set
    // the display for a picture of the flows.
    document.laneFlowAggregation = 0;
    document.odMatrixShown = true;
    document.odMatrix.SetPosition(10400, 2000);
    SaveNetworkFile(path, document, NetworkSettings{});
    std::cout << path.string() << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: gyrolith-make-examples DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    try {
        Write(dir / "roundabout.crs", BuildRoundaboutExample, "Four-arm roundabout");
        Write(dir / "crossroads.crs", BuildCrossroadsExample, "Signalised crossroads");
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
