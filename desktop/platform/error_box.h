#pragma once

// Makes every run-time error show a message box with its number and German message, and then
// end the process with the error's number as exit status.
void installRunTimeErrorBox();
