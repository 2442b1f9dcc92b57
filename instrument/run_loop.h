#pragma once

// What a front end does with the run as a whole: it paces the passes of the chain (see
// ChainPass) and ends the program.
class RunLoop {
public:
    // Runs passes until `halted` is 1 at the top of a pass. A handler that runs inside the loop
    // may enter it again (continue after halt); only the innermost loop executes.
    virtual void RunChain() = 0;
    // Number of RunChain loops on the call stack.
    virtual int activeLoops() const = 0;
    // Ends the program at once, from inside a pass's handling of events or while halted.
    [[noreturn]] virtual void endProgram() = 0;

protected:
    ~RunLoop() = default;
};
