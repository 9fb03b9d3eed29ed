#include "application.h"
#include "pickminwindow.h"

int main(int argc, char *argv[])
{
    return runProgram<PickMinWindow>(argc, argv, QStringLiteral("pickmin"));
}
