#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Encodes the few x86-64 instructions that the native code of a program needs: SSE2
// scalar double arithmetic on xmm registers and memory, loads of 64-bit constants into
// general registers, pushes, calls through rax and 32-bit relative jumps.
namespace x64 {

enum Gpr : std::uint8_t { rax = 0, rcx = 1, rdx = 2, rbx = 3, rsp = 4, rbp = 5, rsi = 6, rdi = 7,
                          r12 = 12, r13 = 13, r14 = 14, r15 = 15 };

// A memory operand: [base + disp], or, when ripTarget is set, a position in the code itself.
struct Mem {
  std::uint8_t base = rax;
  std::int32_t disp = 0;
  bool ripRelative = false;
  std::size_t ripTarget = 0;
};

// Scalar double operations (F2 prefix) and packed ones (66 prefix) by opcode.
enum class Op : std::uint8_t {
  MovsdLoad, MovsdStore, Add, Mul, Sub, Div, Sqrt,  // F2 0F xx
  Movapd, And, Xor, Unpcklpd, Ucomisd, MovupdStore  // 66 0F xx
};

class Emitter {
 public:
  void op(Op op, int xmm, int otherXmm);
  void op(Op op, int xmm, const Mem& mem);

  // A no-op before CET; with indirect branch tracking, the mark an indirect call must land on.
  void endbr64();
  void movImm64(Gpr reg, std::uint64_t value);
  void movEaxImm(std::uint32_t value);
  void xorEaxEax();
  void push(Gpr reg);
  void pop(Gpr reg);
  void adjustRsp(std::int8_t delta);
  void callRax();
  void ret();

  // Jumps whose 32-bit displacement is patched once the target is known; each returns
  // the position of the displacement.
  std::size_t jumpIfUnordered();
  std::size_t jump();
  void patch(std::size_t displacementAt, std::size_t target);

  void alignTo(std::size_t boundary);
  void emit64(std::uint64_t value);
  std::size_t size() const { return m_bytes.size(); }
  const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

 private:
  void byte(std::uint8_t b) { m_bytes.push_back(b); }
  void emit32(std::uint32_t value);
  void prefixAndOpcode(Op op, int reg, int rmReg);
  void modrmMemory(int reg, const Mem& mem);

  std::vector<std::uint8_t> m_bytes;
};

}  // namespace x64
