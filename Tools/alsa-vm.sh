#!/usr/bin/env bash
# Runs a command inside a throwaway virtual machine that has the kernel's ALSA sequencer and sound
# cards: Debian's own kernel with a tiny busybox initramfs, this machine's / as a read-only root
# (tmpfs on /tmp and /run), the build folder shared writable at its own path, and the modules
# snd-seq-dummy, snd-virmidi, snd-dummy and snd-aloop loaded. The command runs as root in the
# checkout; its output is printed here and its exit status is the script's.
#
#   Tools/alsa-vm.sh [--build DIR] [--timeout SECONDS] [--] command [args...]
#
# --build: the build folder (default build/default); the kernel and initramfs are cached in
# DIR/alsa-vm. --timeout: the machine is stopped after this many seconds (default 900) and the
# script fails with status 124. Needs qemu-system-x86, linux-image-amd64 and busybox-static
# (Tools/setup.sh installs them). Software emulation; TOLVA_VM_ACCEL=kvm uses KVM instead.
set -euo pipefail
checkout=$(cd "$(dirname "$0")/.." && pwd)
build="$checkout/build/default"
limit=900
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --timeout) limit=$2; shift 2 ;;
    --) shift; break ;;
    -*) echo "alsa-vm: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: $0 [--build DIR] [--timeout SECONDS] [--] command [args...]" >&2
  exit 2
fi
fail() {
  echo "alsa-vm: $*" >&2
  exit 1
}
mkdir -p "$build"
build=$(cd "$build" && pwd)
# Both paths reach the machine on its kernel command line and in its shell.
case "$build$checkout" in *[[:space:]]*) fail "the checkout and the build folder need paths without spaces" ;; esac

qemu=$(command -v qemu-system-x86_64 || true)
[ -n "$qemu" ] || fail "qemu-system-x86_64 is missing (Debian package qemu-system-x86; run Tools/setup.sh)"
busybox=/bin/busybox
# The applet list is read whole first: grep -q stops reading early, and with pipefail the writer's
# broken pipe would fail the test.
applets=$("$busybox" --list 2>/dev/null || true)
if ! grep -qx insmod <<<"$applets" || ldd "$busybox" >/dev/null 2>&1; then
  fail "$busybox is not a static busybox with insmod (Debian package busybox-static)"
fi
# The newest installed kernel whose modules are here too.
kernel=""
for k in $(ls -1 /boot/vmlinuz-* 2>/dev/null | sort -V); do
  v=${k#/boot/vmlinuz-}
  [ -d "/lib/modules/$v/kernel/sound" ] && kernel=$v
done
[ -n "$kernel" ] || fail "no kernel with sound modules in /boot and /lib/modules (Debian package linux-image-amd64)"
[ -r "/boot/vmlinuz-$kernel" ] || fail "/boot/vmlinuz-$kernel cannot be read"

# ---- The cached kernel and initramfs, made again when the kernel or this script changed.
cache="$build/alsa-vm"
mkdir -p "$cache"
stamp="$kernel $(sha256sum "$0" | cut -c1-16) $(sha256sum "$busybox" | cut -c1-16)"
if [ ! -f "$cache/stamp" ] || [ "$(cat "$cache/stamp")" != "$stamp" ] || [ ! -f "$cache/initrd.gz" ] ||
  [ ! -f "$cache/vmlinuz" ]; then
  tree=$(mktemp -d)
  trap 'rm -rf "$tree"' EXIT
  mkdir -p "$tree"/{bin,dev,proc,sys,root,modules}
  cp "$busybox" "$tree/bin/busybox"
  # The modules that reach the 9p root, in load order (dependencies first).
  dep="/lib/modules/$kernel/modules.dep"
  order=()
  add() {
    local m=$1 line d
    for d in "${order[@]}"; do [ "$d" = "$m" ] && return 0; done
    line=$(grep -m1 "^[^:]*/$m\.ko[^:]*:" "$dep") || fail "module $m not found in $dep"
    for d in ${line#*:}; do add "$(basename "${d%%.ko*}")"; done
    order+=("$m")
    cp "/lib/modules/$kernel/${line%%:*}" "$tree/modules/"
  }
  for m in virtio_pci 9pnet_virtio 9p; do add "$m"; done
  for m in "${order[@]}"; do echo "$(basename "$(ls "$tree/modules/$m".ko*)")"; done >"$tree/modules/order"
  cat >"$tree/init" <<'EOF'
#!/bin/busybox sh
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
for m in $(cat /modules/order); do insmod /modules/$m || echo "alsa-vm: insmod $m failed"; done
arg() { sed -n "s/.*tolva\.$1=\([^ ]*\).*/\1/p" /proc/cmdline; }
build=$(arg build)
run=$(arg run)
r=/root
opts=trans=virtio,version=9p2000.L,msize=524288
if ! mount -t 9p -o ro,$opts,cache=loose root $r; then
  echo "alsa-vm: the root share could not be mounted"
  poweroff -f
fi
mount -t tmpfs tmp $r/tmp
mount -t tmpfs run $r/run
mount -t proc proc $r/proc
mount -t sysfs sys $r/sys
mount -t devtmpfs dev $r/dev
mkdir -p $r/dev/pts $r/dev/shm
mount -t devpts pts $r/dev/pts
mount -t tmpfs shm $r/dev/shm
mount -t 9p -o $opts build $r$build
stty -F /dev/console -onlcr 2>/dev/null
chroot $r /bin/bash -c "cd / && exec bash $run/command.sh" </dev/null >/dev/console 2>&1
echo $? >$r$run/status
sync
echo 0 >/proc/sys/kernel/printk
poweroff -f
EOF
  chmod +x "$tree/init"
  (cd "$tree" && find . | cpio -o -H newc --quiet | gzip -1) >"$cache/initrd.gz.new"
  cp "/boot/vmlinuz-$kernel" "$cache/vmlinuz.new"
  mv "$cache/initrd.gz.new" "$cache/initrd.gz"
  mv "$cache/vmlinuz.new" "$cache/vmlinuz"
  echo "$stamp" >"$cache/stamp"
  rm -rf "$tree"
  trap - EXIT
fi

# ---- One run: its command and status in a folder of its own, so runs may overlap.
run=$(mktemp -d "$cache/run.XXXXXX")
trap 'rm -rf "$run"' EXIT
{
  echo 'export HOME=/tmp TMPDIR=/tmp PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8'
  for v in $(compgen -e | grep -E '^(TOLVA_|GTEST_|CTEST_)' || true); do
    printf 'export %s=%q\n' "$v" "${!v}"
  done
  echo 'for m in snd-seq-dummy snd-virmidi snd-dummy snd-aloop; do'
  echo '  modprobe "$m" || { echo "alsa-vm: modprobe $m failed"; exit 125; }'
  echo 'done'
  printf ': >%q/ready\n' "$run"
  printf 'cd %q || exit 125\n' "$checkout"
  printf '%q ' "$@"
  echo
} >"$run/command.sh"

# Software emulation unless asked: a /dev/kvm that opens may still never run a guest (nested or
# restricted machines), and a hung start would only end at the time limit.
accel=${TOLVA_VM_ACCEL:-tcg}
cpus=$(nproc)
[ "$cpus" -gt 4 ] && cpus=4
started=$(date +%s.%N)
set +e
timeout -k 10 "$limit" "$qemu" -nodefaults -no-user-config -no-reboot -display none \
  -machine q35 -accel "$accel" \
  -cpu max -smp "$cpus" -m 2048 \
  -kernel "$cache/vmlinuz" -initrd "$cache/initrd.gz" \
  -append "console=ttyS0 quiet loglevel=1 panic=-1 tolva.build=$build tolva.run=$run" \
  -chardev stdio,id=con,signal=off -serial chardev:con \
  -fsdev local,id=root,path=/,security_model=none,readonly=on,multidevs=remap \
  -device virtio-9p-pci,fsdev=root,mount_tag=root \
  -fsdev local,id=build,path="$build",security_model=none,multidevs=remap \
  -device virtio-9p-pci,fsdev=build,mount_tag=build </dev/null
qs=$?
set -e
# The guest writes its files through the share, so their times are this machine's clock.
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }
times="stopped after $(seconds "$started" "$(date +%s.%N)") s"
if [ -f "$run/ready" ]; then
  ready=$(stat -c %.9Y "$run/ready")
  times="ready in $(seconds "$started" "$ready") s, $times"
  [ -f "$run/status" ] && times="$times (the command $(seconds "$ready" "$(stat -c %.9Y "$run/status")") s)"
fi
echo "alsa-vm: machine $times" >&2
if [ "$qs" -eq 124 ] || [ "$qs" -eq 137 ]; then
  echo "alsa-vm: the machine was stopped after ${limit}s" >&2
  exit 124
fi
[ "$qs" -eq 0 ] || fail "qemu failed with status $qs"
[ -f "$run/status" ] || fail "the machine stopped without running the command to its end"
exit "$(cat "$run/status")"
