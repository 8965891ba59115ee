// The process entry point of feijian.exe. The program takes no command line.
#include "Program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RunProgram();
}
