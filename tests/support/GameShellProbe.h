#pragma once

#include "shell/GameShell.h"

// Reads what the game shell keeps to itself, its world among it, and sets its state as its
// commands would.
struct GameShellProbe {
    static GameShell::GameState State(const GameShell& shell) { return shell.state_; }
    static void SetState(GameShell& shell, GameShell::GameState state) {
        shell.SetState(state);
        shell.Settle();
    }
    static void Tick(GameShell& shell) { shell.Tick(); }
    static ::World& World(GameShell& shell) { return shell.world_; }
    static std::int32_t ShiftCount(const GameShell& shell) { return shell.shiftCount_; }
    static const AppSystemOptions& CurrentSystemOptions(const GameShell& shell) {
        return shell.currentSystemOptions_;
    }
    static void ApplySystemOptions(GameShell& shell, const AppSystemOptions& options) {
        shell.ApplySystemOptions(options);
    }
};
