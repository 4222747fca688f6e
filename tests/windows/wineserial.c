// Lets the Windows build, run under wine 8.0 (Debian 12), talk to a simulated
// modem on a Linux pseudo-terminal mapped as a COM port
// (dosdevices/comN -> /dev/pts/M). Later wine waits for serial events through
// its server and posts their completions itself: do not preload this there.
//
// Two things stand in the way, and this LD_PRELOAD library mends both:
// - While wine waits for serial events it polls the modem lines (TIOCMGET); a
//   pseudo-terminal has none, so the wait ends at once. We answer for the lines
//   as a cabled modem would: DSR, CTS and carrier on.
// - QSerialPort waits for received bytes with an overlapped WaitCommEvent and
//   learns of the end through the port's I/O completion port. Wine never posts
//   that completion, and as the overlapped block has no event it blocks the
//   caller until bytes come, so the port's open hangs and readyRead never
//   fires. We take over that one call: a thread of ours does wine's blocking
//   wait, then posts the completion, as Windows does.
//
// Build: gcc -shared -fPIC -O2 -o libwineserial.so wineserial.c -ldl
// Use:   LD_PRELOAD=$PWD/libwineserial.so wine merolan-cli.exe --port COM5 ...

#define _GNU_SOURCE
#include <dlfcn.h>
#include <link.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Wine's system calls follow the Windows calling convention, even on the Linux side.
#define WINAPI __attribute__((ms_abi))
#define IOCTL_SERIAL_SET_WAIT_MASK 0x1b0044
#define IOCTL_SERIAL_WAIT_ON_MASK 0x1b0048
#define FILE_COMPLETION_INFORMATION 30
#define STATUS_PENDING 0x103

typedef struct
{
    int32_t status;
    uintptr_t information;
} io_status;

// What we take from wine's ntdll.so; we stand in for the first three.
static int32_t(WINAPI *wine_ioctl_file)(void *file, void *event, void *routine, void *context, io_status *io,
                                        uint32_t code, void *in, uint32_t in_size, void *out, uint32_t out_size);
static int32_t(WINAPI *wine_set_file)(void *file, io_status *io, void *info, uint32_t size, uint32_t kind);
static int32_t(WINAPI *wine_close)(void *handle);
static int32_t(WINAPI *post_completion)(void *port, uintptr_t key, void *context, int32_t status, uintptr_t size);
static int32_t(WINAPI *create_thread)(void **thread, uint32_t access, void *attributes, void *process,
                                      uint32_t(WINAPI *start)(void *), void *arg, uint32_t flags, uintptr_t zero_bits,
                                      size_t commit, size_t reserve, void *attribute_list);
static int32_t(WINAPI *wait_for)(void *handle, uint8_t alertable, const int64_t *timeout);

// Each open COM port with the completion port it was tied to
// (CreateIoCompletionPort), and the thread waiting on it for us.
static struct serial_port
{
    void *file, *port, *waiter;
    uintptr_t key;
} ports[8];

static struct serial_port *port_of(void *file)
{
    for (size_t i = 0; i < sizeof ports / sizeof *ports; i++)
        if (ports[i].file == file)
            return &ports[i];
    return NULL;
}

struct comm_wait
{
    void *file, *port, *context;
    uintptr_t key;
    io_status *io;
    uint32_t *events;
};

static uint32_t WINAPI wait_and_post(void *arg)
{
    struct comm_wait *wait = arg;
    io_status io = {0};
    uint32_t events = 0;
    const int32_t status =
        wine_ioctl_file(wait->file, NULL, NULL, NULL, &io, IOCTL_SERIAL_WAIT_ON_MASK, NULL, 0, &events, sizeof events);
    // Wine says success even when the wait was called off; the block tells.
    // Only closing the port calls it off, and then nobody is left to tell.
    if (status == 0 && io.status == 0) {
        *wait->events = events;
        wait->io->information = sizeof events;
        wait->io->status = 0;
        post_completion(wait->port, wait->key, wait->context, 0, sizeof events);
    }
    free(wait);
    return 0;
}

static int32_t WINAPI ioctl_file(void *file, void *event, void *routine, void *context, io_status *io, uint32_t code,
                                 void *in, uint32_t in_size, void *out, uint32_t out_size)
{
    struct serial_port *port = port_of(file);
    if (code != IOCTL_SERIAL_WAIT_ON_MASK || event || routine || !context || out_size != sizeof(uint32_t) || !file
        || !port)
        return wine_ioctl_file(file, event, routine, context, io, code, in, in_size, out, out_size);
    struct comm_wait *wait = malloc(sizeof *wait);
    *wait = (struct comm_wait){file, port->port, context, port->key, io, out};
    io->status = STATUS_PENDING;
    void *thread = NULL;
    const int32_t status =
        create_thread(&thread, 0x1fffff, NULL, (void *)-1 /* this process */, wait_and_post, wait, 0, 0, 0, 0, NULL);
    if (status != 0) {
        free(wait);
        return status;
    }
    if (port->waiter)
        wine_close(port->waiter);
    port->waiter = thread;
    return STATUS_PENDING;
}

static int32_t WINAPI set_file(void *file, io_status *io, void *info, uint32_t size, uint32_t kind)
{
    const int32_t status = wine_set_file(file, io, info, size, kind);
    struct serial_port *port = port_of(file);
    if (status == 0 && kind == FILE_COMPLETION_INFORMATION && (port || (port = port_of(NULL)))) {
        port->file = file;
        port->port = ((void **)info)[0];
        port->key = ((uintptr_t *)info)[1];
    }
    return status;
}

// Wine's own wait outlives the port's handle and would then answer for the
// next port opened under the same handle. A new event mask ends it, as on
// Windows; we let our thread see that before the handle goes.
static int32_t WINAPI close_file(void *handle)
{
    struct serial_port *port = handle ? port_of(handle) : NULL;
    if (port && port->waiter) {
        io_status io;
        uint32_t mask = 0;
        const int64_t half_a_second = -5000000;
        wine_ioctl_file(handle, NULL, NULL, NULL, &io, IOCTL_SERIAL_SET_WAIT_MASK, &mask, sizeof mask, NULL, 0);
        wait_for(port->waiter, 0, &half_a_second);
        wine_close(port->waiter);
    }
    if (port)
        *port = (struct serial_port){0};
    return wine_close(handle);
}

// Wine's Windows side reaches ntdll.so through a table of entry points that
// the library relocates within itself, out of LD_PRELOAD's reach: we swap
// entries in that table.
static int redirect_calls(struct dl_phdr_info *library, size_t size, void *unused)
{
    (void)size, (void)unused;
    const size_t length = strlen(library->dlpi_name);
    if (length < 9 || strcmp(library->dlpi_name + length - 9, "/ntdll.so") != 0)
        return 0;
    void *ntdll = dlopen(library->dlpi_name, RTLD_NOW | RTLD_NOLOAD);
    const struct
    {
        const char *name;
        void **wine, *ours;
    } calls[] = {{"NtDeviceIoControlFile", (void **)&wine_ioctl_file, (void *)ioctl_file},
                 {"NtSetInformationFile", (void **)&wine_set_file, (void *)set_file},
                 {"NtClose", (void **)&wine_close, (void *)close_file},
                 {"NtSetIoCompletion", (void **)&post_completion, NULL},
                 {"NtCreateThreadEx", (void **)&create_thread, NULL},
                 {"NtWaitForSingleObject", (void **)&wait_for, NULL}};
    for (size_t i = 0; i < sizeof calls / sizeof *calls; i++)
        *calls[i].wine = dlsym(ntdll, calls[i].name);
    const uintptr_t page = (uintptr_t)sysconf(_SC_PAGESIZE);
    for (int i = 0; i < library->dlpi_phnum; i++) {
        const ElfW(Phdr) *segment = &library->dlpi_phdr[i];
        if (segment->p_type != PT_GNU_RELRO)
            continue;
        uintptr_t *entry = (uintptr_t *)(library->dlpi_addr + segment->p_vaddr);
        for (uintptr_t *end = entry + segment->p_memsz / sizeof *entry; entry < end; entry++) {
            for (size_t k = 0; calls[k].ours; k++) {
                if (*entry != (uintptr_t)*calls[k].wine)
                    continue;
                void *start = (void *)((uintptr_t)entry & ~(page - 1));
                mprotect(start, page, PROT_READ | PROT_WRITE);
                *entry = (uintptr_t)calls[k].ours;
                mprotect(start, page, PROT_READ);
            }
        }
    }
    return 1;
}

// Pseudo-terminal slaves have the majors 136 to 143.
static int is_pseudo_terminal(int fd)
{
    struct stat st;
    return fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) >= 136 && major(st.st_rdev) <= 143;
}

int ioctl(int fd, unsigned long request, ...)
{
    static int (*next_ioctl)(int, unsigned long, void *);
    static int redirected;
    va_list args;
    va_start(args, request);
    void *arg = va_arg(args, void *);
    va_end(args);
    if (!next_ioctl)
        *(void **)&next_ioctl = dlsym(RTLD_NEXT, "ioctl");
    if (((request >> 8) & 0xff) != 'T' || !is_pseudo_terminal(fd))
        return next_ioctl(fd, request, arg);
    // Wine reads the modem lines (GetCommState) before QSerialPort ties the
    // port to a completion port and waits on it.
    if (!redirected)
        redirected = dl_iterate_phdr(redirect_calls, NULL);
    switch (request) {
    case TIOCMGET: *(int *)arg = TIOCM_DTR | TIOCM_RTS | TIOCM_CTS | TIOCM_DSR | TIOCM_CAR; return 0;
    case TIOCMSET: return 0;
    default: return next_ioctl(fd, request, arg);
    }
}
