#include "application.h"
#include "pickminform.h"

int main(int argc, char *argv[])
{
    return runProgram<PickMinForm>(argc, argv);
}
