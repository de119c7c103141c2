#pragma once

// Every beep of the program goes through here, so tests can count them.
void beep();
int beepCount();
