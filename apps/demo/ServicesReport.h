#pragma once

// Prints a readable report of the runtime services the controls stand on.
void printServicesReport();
