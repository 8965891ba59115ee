// The two files the program carries: the skin engine and its skin, written beside the
// program at start and removed, as far as they can be, at the end.
#pragma once

void OnMainWindowCreated();
void OnMainWindowDestroying();
[[noreturn]] void ExitFromTrayMenu();
void RemoveEmbeddedFiles();
