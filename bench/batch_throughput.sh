#!/usr/bin/env bash
# Whole batch runs: symbols written per second and peak memory for the
# bracketed plant (steps 0-11, beside the streaming limit measured in the same
# folder), the parametric tree (steps 0-20) and a signal with contexts, an
# ignore set and branches (steps 0-14, about 10^8 symbols in the last step);
# then the same derivations without the step driver (derive_run), which
# shows what the driver adds. Each figure is the best of three runs.
# usage: batch_throughput.sh BATCH_COMMAND DERIVE_RUN STREAMING_LIMIT_SOURCE
set -euo pipefail
batch=$1
derive_run=$2
limit_source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s%N; }

# Prints "symbols nanoseconds peak_kb" of the best of three runs of a
# definition, by the batch command or, with a third argument, by derive_run.
best_run() {
  local ls=$1 steps=$2 best="" start took symbols kb
  for _ in 1 2 3; do
    start=$(now)
    if [ $# -eq 3 ]; then
      symbols=$(/usr/bin/time -f %M -o "$work/rss" "$derive_run" "$ls" "$steps")
      took=$(($(now) - start))
      rm -f "${ls%.ls}"_[0-9]*
    else
      /usr/bin/time -f %M -o "$work/rss" "$batch" --steps "$steps" --seed 1 --clean "$ls" >"$work/log"
      took=$(($(now) - start))
      symbols=$(grep 'Number of symbols' "$work/log" | awk -F': ' '{s += $2} END {print s}')
    fi
    kb=$(tail -n 1 "$work/rss")
    if [ -z "$best" ] || [ "$took" -lt "${best#* }" ]; then best="$symbols $took"; fi
  done
  echo "$best $kb"
}

rate() { awk -v s="$1" -v ns="$2" 'BEGIN {printf "%.1f", s / ns * 1000}'; }

report() {
  local name=$1 result=$2 symbols ns kb
  read -r symbols ns kb <<<"$result"
  echo "batch_${name}_symbols_written: $symbols symbols"
  echo "batch_${name}: $(rate "$symbols" "$ns") M symbols/s"
  echo "batch_${name}_peak_rss: $((kb / 1024)) MB"
}

cc -O2 -o "$work/streaming_limit" "$limit_source"
mkdir "$work/limit"
limit=""
for _ in 1 2 3; do
  start=$(now)
  symbols=$("$work/streaming_limit" F 11 "$work/limit")
  took=$(($(now) - start))
  rm -f "$work/limit"/*
  if [ -z "$limit" ] || [ "$took" -lt "${limit#* }" ]; then limit="$symbols $took"; fi
done
limit_rate=$(rate $limit)
echo "streaming_limit_bracketed_plant_steps_0_11: $limit_rate M symbols/s"

ratio() {
  local symbols ns
  read -r symbols ns _ <<<"$2"
  echo "$1_of_streaming_limit: $(awk -v a="$(rate "$symbols" "$ns")" -v b="$limit_rate" 'BEGIN {printf "%.3f", a / b}') ratio"
}

printf 'angle 25.7\naxiom F\n#F->F[+F]F[-F]F\n' >"$work/plant.ls"
plant=$(best_run "$work/plant.ls" 11)
report bracketed_plant_steps_0_11 "$plant"
ratio batch_bracketed_plant_steps_0_11 "$plant"

printf '%s\n' 'angle 30' 'axiom A(1,10)' '#A(l,w)->F(l,w)[&(22.5)B(l*0.9,w*0.7)]/(137.5)A(l*0.9,w*0.7)' \
  '#B(l,w):l>0.01->F(l,w)[-(30)B(l*0.8,w*0.7)]B(l*0.9,w*0.7)' >"$work/tree.ls"
report parametric_tree_steps_0_20 "$(best_run "$work/tree.ls" 20)"

# The signal b moves right along the cells a; an a just before it is marked c
# for a step; every segment grows a branch with a new cell.
printf '%s\n' 'angle 45' 'ignore F+-' 'axiom bF+aF-aF+aF-aF+aF-aF' '#b<a->b' '#a>b->c' '#c->a' '#b->a' \
  '#F->F[+aF]F' >"$work/signal.ls"
report context_signal_steps_0_14 "$(best_run "$work/signal.ls" 14)"

for run in "plant 11 bracketed_plant_steps_0_11" "tree 20 parametric_tree_steps_0_20" \
  "signal 14 context_signal_steps_0_14"; do
  read -r ls steps name <<<"$run"
  result=$(best_run "$work/$ls.ls" "$steps" derive_run)
  read -r symbols ns kb <<<"$result"
  echo "derive_run_$name: $(rate "$symbols" "$ns") M symbols/s"
  echo "derive_run_${name}_peak_rss: $((kb / 1024)) MB"
  [ "$ls" = plant ] && ratio "derive_run_$name" "$result"
done
